lumaro_benchmark(xml_document DEPS report)
