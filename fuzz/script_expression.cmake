lumaro_fuzzer(script_expression DEPS script)
