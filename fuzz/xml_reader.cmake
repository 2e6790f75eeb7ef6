lumaro_fuzzer(xml_reader DEPS report)
