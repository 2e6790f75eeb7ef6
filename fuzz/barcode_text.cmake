lumaro_fuzzer(barcode_text DEPS barcode)
