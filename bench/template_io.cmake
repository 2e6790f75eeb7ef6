lumaro_benchmark(template_io DEPS report)
