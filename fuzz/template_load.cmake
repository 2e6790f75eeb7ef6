lumaro_fuzzer(template_load DEPS report)
