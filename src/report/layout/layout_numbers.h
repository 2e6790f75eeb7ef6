#pragma once
// Rounding and guarding the numbers of text layout. Every size that reaches the layout is
// kept finite and within limits that no label needs to exceed, so that no product of them can
// overflow a 64-bit integer or make a loop run for ever.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/number_text.h"

namespace lumaro::layout {

constexpr int kMaxFontSize = 10000;      // points
constexpr double kMaxCoordinate = 1e7;   // report or device pixels
constexpr double kMaxGap = 1e5;          // report pixels
constexpr double kMinScale = 1e-3, kMaxScale = 1e3;
constexpr double kMinDpi = 1, kMaxDpi = 100000;

// Rounds to the nearest integer, ties to even.
inline int64_t nearest(double v) {
    if (!std::isfinite(v)) return 0;
    return roundHalfEven(std::clamp(v, -4e18, 4e18));
}

// `v` limited to [lo, hi]; `fallback` when it is not a number.
inline double bounded(double v, double lo, double hi, double fallback) {
    return std::isnan(v) ? fallback : std::clamp(v, lo, hi);
}

}  // namespace lumaro::layout
