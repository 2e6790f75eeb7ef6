lumaro_benchmark(script_expression DEPS script)
