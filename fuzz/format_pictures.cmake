lumaro_fuzzer(format_pictures DEPS core)
