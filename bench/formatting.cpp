// Display formats of label text objects run once per printed value. Baselines: the C
// library's printf and strftime for comparable output.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <ctime>

#include "core/date_time.h"
#include "core/format_float.h"
#include "core/format_text.h"
#include "core/number_text.h"

using namespace lumaro;

namespace {
const FormatSettings kSl = FormatSettings::slovenian();

void BM_SnprintfFixed(benchmark::State& state) {
    double v = 1234.5678;
    for (auto _ : state) {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.2f", v);
        benchmark::DoNotOptimize(buf);
        v += 0.01;
    }
}
BENCHMARK(BM_SnprintfFixed);

void BM_FormatFloatPicture(benchmark::State& state) {
    double v = 1234.5678;
    for (auto _ : state) {
        benchmark::DoNotOptimize(formatFloat("#,##0.00", v, kSl));
        v += 0.01;
    }
}
BENCHMARK(BM_FormatFloatPicture);

void BM_FormatFixed(benchmark::State& state) {
    const std::vector<Variant> args = {Variant(1234.5678)};
    for (auto _ : state) benchmark::DoNotOptimize(format("%2.2f", args, kSl));
}
BENCHMARK(BM_FormatFixed);

void BM_FloatToStr(benchmark::State& state) {
    double v = 1234.5678;
    for (auto _ : state) {
        benchmark::DoNotOptimize(floatToStr(v, kSl));
        v += 0.01;
    }
}
BENCHMARK(BM_FloatToStr);

void BM_Strftime(benchmark::State& state) {
    std::tm tm{};
    tm.tm_year = 103, tm.tm_mon = 1, tm.tm_mday = 1, tm.tm_hour = 14, tm.tm_min = 5;
    for (auto _ : state) {
        char buf[32];
        benchmark::DoNotOptimize(std::strftime(buf, sizeof buf, "%d.%m.%Y %H:%M", &tm));
    }
}
BENCHMARK(BM_Strftime);

void BM_FormatDateTime(benchmark::State& state) {
    const double dt = encodeDate(2003, 2, 1) + encodeTime(14, 5, 0, 0);
    for (auto _ : state) benchmark::DoNotOptimize(formatDateTime("dd.mm.yyyy hh:nn", dt, kSl));
}
BENCHMARK(BM_FormatDateTime);
}  // namespace
