lumaro_benchmark(barcode DEPS barcode LIBS zint)
