lumaro_benchmark(script_interp DEPS script)
