#pragma once
// CPU time of the calling thread, which the benchmarks measure instead of wall time: the
// build machine is shared, and a ratio of CPU times holds on a busy machine.
#include <ctime>

namespace lumaro::bench {

inline double threadCpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

}  // namespace lumaro::bench
