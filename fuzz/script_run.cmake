lumaro_fuzzer(script_run DEPS script)
