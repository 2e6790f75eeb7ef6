// Decoding speed of picture graphics against copying the decoded pixels (the baseline: no
// decoder can be faster than writing its output once).
#include <benchmark/benchmark.h>

#include <cstring>

#include "gfx/bmp_codec.h"
#include "gfx/jpeg_codec.h"

using namespace lumaro;

namespace {

constexpr int kSide = 1000;

Image photo() {
    Image img;
    img.width = img.height = kSide;
    img.pixels.resize(size_t{kSide} * kSide);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            img.pixels[size_t(y) * kSide + x] = 0xFF000000u | uint32_t((x * 255 / kSide) << 16) |
                                               uint32_t((y * 255 / kSide) << 8) | uint32_t((x ^ y) & 0xFF);
    return img;
}

void CopyPixelsBaseline(benchmark::State& state) {
    const Image src = photo();
    std::vector<uint32_t> dst(src.pixels.size());
    for (auto _ : state) {
        std::memcpy(dst.data(), src.pixels.data(), dst.size() * 4);
        benchmark::DoNotOptimize(dst.data());
    }
}

void DecodeBmp(benchmark::State& state) {
    const Bytes file = encodeBmp(photo(), static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(decodeBmp(file));
}

void EncodeBmp(benchmark::State& state) {
    const Image img = photo();
    for (auto _ : state) benchmark::DoNotOptimize(encodeBmp(img, 24));
}

void DecodeJpeg(benchmark::State& state) {
    const Bytes file = encodeJpeg(photo(), 90);
    for (auto _ : state) benchmark::DoNotOptimize(decodeJpeg(file));
}

void EncodeJpeg(benchmark::State& state) {
    const Image img = photo();
    for (auto _ : state) benchmark::DoNotOptimize(encodeJpeg(img, 90));
}

}  // namespace

BENCHMARK(CopyPixelsBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK(DecodeBmp)->Arg(24)->Arg(32)->Unit(benchmark::kMillisecond);
BENCHMARK(EncodeBmp)->Unit(benchmark::kMillisecond);
BENCHMARK(DecodeJpeg)->Unit(benchmark::kMillisecond);
BENCHMARK(EncodeJpeg)->Unit(benchmark::kMillisecond);
