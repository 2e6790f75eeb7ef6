lumaro_fuzzer(text_layout DEPS report)
