#pragma once
// The decimal digits of a number, rounded for display: the common first step of every
// float-to-text conversion (general, fixed, exponent, number, currency and picture formats).
#include <cstdint>

namespace lumaro {

struct FloatDecimal {
    static constexpr int kMaxDigits = 20;
    // value = 0.d1d2d3... * 10^exponent; digits hold no trailing zeros. A value that is zero
    // (or rounds to zero) has no digits and exponent 0, but keeps its sign in `negative`.
    bool negative = false;
    bool nan = false;
    bool infinite = false;
    int exponent = 0;
    int count = 0;
    char digits[kMaxDigits + 1] = {};

    bool isZero() const { return count == 0; }
    bool special() const { return nan || infinite; }
};

// Most significant digits a double carries: the precision every conversion is limited to.
inline constexpr int kMaxFloatPrecision = 17;

// The digits of `v` rounded half away from zero to at most `precision` significant digits
// (1..17) and at most `decimals` digits after the decimal point (any count; negative rounds
// to tens, hundreds...). The value is first taken to 17 significant digits, as the platform's
// conversion does, so 2.675 (stored as 2.67499999999999982...) rounds to 2.67.
FloatDecimal floatToDecimal(double v, int precision, int decimals);

// The same for a currency value (scaled by 10000), exactly; `precision` may reach 19.
FloatDecimal currencyToDecimal(int64_t scaled, int precision, int decimals);

}  // namespace lumaro
