lumaro_fuzzer(prepared_report DEPS report)
