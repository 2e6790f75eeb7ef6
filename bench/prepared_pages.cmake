lumaro_benchmark(prepared_pages DEPS report)
