#include "core/float_decimal.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace lumaro {

namespace {

// Rounds the digit string of `d` (which may hold trailing zeros) to `keep` digits, half away
// from zero, and normalises it: no trailing zeros, zero without digits and with exponent 0.
void roundDigits(FloatDecimal& d, int keep) {
    if (keep < 0) keep = -1;
    if (keep < d.count) {
        const bool up = keep >= 0 && d.digits[keep] >= '5';
        if (keep < 0) {
            d.count = 0;
        } else if (keep == 0) {
            // Only the digit that decides the rounding remains.
            if (up) {
                d.digits[0] = '1';
                d.count = 1;
                ++d.exponent;
            } else {
                d.count = 0;
            }
        } else {
            d.count = keep;
            if (up) {
                int i = keep - 1;
                while (i >= 0 && d.digits[i] == '9') d.digits[i--] = '0';
                if (i >= 0) {
                    ++d.digits[i];
                } else {
                    // 999 became 1000: one digit more in front.
                    d.digits[0] = '1';
                    d.count = 1;
                    ++d.exponent;
                }
            }
        }
    }
    while (d.count > 0 && d.digits[d.count - 1] == '0') --d.count;
    d.digits[d.count] = '\0';
    if (d.count == 0) d.exponent = 0;
}

}  // namespace

FloatDecimal floatToDecimal(double v, int precision, int decimals) {
    FloatDecimal d;
    d.negative = std::signbit(v);
    if (std::isnan(v)) {
        d.nan = true;
        d.negative = false;
        return d;
    }
    if (std::isinf(v)) {
        d.infinite = true;
        return d;
    }
    if (v == 0) return d;
    if (precision < 1) precision = 1;
    if (precision > kMaxFloatPrecision) precision = kMaxFloatPrecision;
    // 17 significant digits, correctly rounded: d.dddddddddddddddde[+-]x
    char buf[40];
    const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific,
                                   kMaxFloatPrecision - 1);
    const char* p = buf;
    const char* end = res.ptr;
    for (; p < end && *p != 'e'; ++p)
        if (*p != '.') d.digits[d.count++] = *p;
    int exp10 = 0;
    std::from_chars(p + 1 + (p[1] == '+'), end, exp10);
    d.exponent = exp10 + 1;
    // Limit by significant digits and by digits after the point, whichever is fewer.
    long long keep = precision;
    const long long byDecimals = static_cast<long long>(d.exponent) + decimals;
    if (byDecimals < keep) keep = byDecimals;
    roundDigits(d, keep < -1 ? -1 : static_cast<int>(keep));
    return d;
}

FloatDecimal currencyToDecimal(int64_t scaled, int precision, int decimals) {
    FloatDecimal d;
    d.negative = scaled < 0;
    const uint64_t mag = scaled < 0 ? 0 - static_cast<uint64_t>(scaled) : static_cast<uint64_t>(scaled);
    if (mag == 0) return d;
    char buf[24];
    const auto res = std::to_chars(buf, buf + sizeof buf, mag);
    const int n = static_cast<int>(res.ptr - buf);
    std::memcpy(d.digits, buf, n);
    d.count = n;
    d.exponent = n - 4;
    long long keep = static_cast<long long>(d.exponent) + decimals;
    if (keep > precision) keep = precision < 1 ? 1 : precision;
    roundDigits(d, keep < -1 ? -1 : keep > n ? n : static_cast<int>(keep));
    return d;
}

}  // namespace lumaro
