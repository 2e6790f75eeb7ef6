lumaro_benchmark(picture_decode DEPS gfx)
