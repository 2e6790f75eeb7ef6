lumaro_fuzzer(script_il DEPS script)
