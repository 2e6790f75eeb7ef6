lumaro_fuzzer(csv_dataset DEPS report)
