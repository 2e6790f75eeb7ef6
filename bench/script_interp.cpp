// The interpreter against Lua 5.4 on the same algorithms, measured in the same run: recursive
// fib(25), a loop of ten million integer steps, and a text built from 100,000 appended
// characters. Lua runs as the lua5.4 program; it measures its own time with os.clock, so
// starting the program is not counted. Both sides report processor time of the process (what
// os.clock measures), so that other load on the machine does not count. Compare the
// *_Script and *_Lua times.
#include <benchmark/benchmark.h>

#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "script/script.h"

using namespace lumaro;

namespace {

struct Algorithm {
    const char* pascal;
    const char* lua;
};

const Algorithm kFib{
    "var r: Integer;"
    " function fib(n: Integer): Integer; begin if n < 2 then Result := n else Result := fib(n - 1) + fib(n - 2) end;"
    " begin r := fib(25) end.",
    "local function fib(n) if n < 2 then return n end return fib(n - 1) + fib(n - 2) end local r = fib(25)"};
const Algorithm kLoop{
    "var i, s: Integer; begin s := 0; for i := 1 to 10000000 do s := (s + i) mod 7919 end.",
    "local s = 0 for i = 1, 10000000 do s = (s + i) % 7919 end"};
const Algorithm kText{
    "var i: Integer; s: String; begin s := ''; for i := 1 to 100000 do s := s + 'x' end.",
    "local s = '' for i = 1, 100000 do s = s .. 'x' end"};

double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

void runScript(benchmark::State& state, const Algorithm& a) {
    TfsScript script(&fsGlobalUnit());
    script.SetText(a.pascal);
    if (!script.Compile()) {
        state.SkipWithError(script.ErrorMsg().c_str());
        return;
    }
    for (auto _ : state) {
        const double t0 = cpuSeconds();
        script.Execute();
        state.SetIterationTime(cpuSeconds() - t0);
    }
}

void runLua(benchmark::State& state, const Algorithm& a) {
    const std::string cmd = std::string("lua5.4 -e \"local t0 = os.clock() ") + a.lua +
                            " io.write(string.format('%.9f', os.clock() - t0))\" 2>/dev/null";
    for (auto _ : state) {
        FILE* p = popen(cmd.c_str(), "r");
        char buf[64] = {0};
        const size_t n = p ? fread(buf, 1, sizeof buf - 1, p) : 0;
        const int status = p ? pclose(p) : -1;
        if (n == 0 || status != 0) {
            state.SkipWithError("lua5.4 is not available");
            return;
        }
        state.SetIterationTime(std::strtod(buf, nullptr));
    }
}

}  // namespace

BENCHMARK_CAPTURE(runScript, Fib25_Script, kFib)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(runLua, Fib25_Lua, kFib)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(runScript, Loop10M_Script, kLoop)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(runLua, Loop10M_Lua, kLoop)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(runScript, Text100k_Script, kText)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(runLua, Text100k_Lua, kText)->UseManualTime()->Unit(benchmark::kMillisecond);
