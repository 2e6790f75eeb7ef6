lumaro_fuzzer(template_draw DEPS report)
