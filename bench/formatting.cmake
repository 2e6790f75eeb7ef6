lumaro_benchmark(formatting DEPS core)
