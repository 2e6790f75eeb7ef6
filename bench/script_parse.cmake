lumaro_benchmark(script_parse DEPS script)
