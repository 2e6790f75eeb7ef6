lumaro_fuzzer(picture_decode DEPS gfx)
