#pragma once
// Float and currency values as text in the platform's formats: FloatToStrF's five formats
// and the FormatFloat picture language.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/format_settings.h"

namespace lumaro {

enum class FloatFormat { General, Exponent, Fixed, Number, Currency };  // ffGeneral ... ffCurrency

// General: shortest form with up to `precision` significant digits; scientific when the value
// has more than `precision` integer digits or is below 0.0001, with at least `digits` exponent
// digits (0..4) and a sign only when negative ("1E20", "1.5E-7").
// Exponent: "-d.dddE+ddd" with `precision` digits and at least `digits` exponent digits.
// Fixed: "-ddd.ddd" with `digits` decimals (0..18). Number: Fixed with thousand separators.
// Currency: Number placed with the currency string after the currency formats.
// Fixed, Number and Currency switch to the scientific general form when the value has more
// integer digits than `precision`. NaN and infinities give "NAN", "INF" and "-INF".
std::string floatToStrF(double v, FloatFormat format, int precision, int digits,
                        const FormatSettings& fs = formatSettings());
// The same for a currency value (scaled by 10000), exact to 19 digits.
std::string currToStrF(int64_t scaled, FloatFormat format, int digits,
                       const FormatSettings& fs = formatSettings());

// The picture language of FormatFloat: "0" a digit or zero, "#" a digit or nothing, "." the
// decimal separator, "," thousand separators, "E+", "E-", "e+", "e-" scientific notation
// (up to four "0"s after it give the minimum exponent digits), text in quotes copied,
// sections "positive;negative;zero". Rounds half away from zero to the digits shown.
std::string formatFloat(std::string_view picture, double v, const FormatSettings& fs = formatSettings());
std::string formatCurr(std::string_view picture, int64_t scaled, const FormatSettings& fs = formatSettings());

// Appends to `out` instead of returning; the formatters of Format and of text objects use it.
void appendFloatText(std::string& out, double v, FloatFormat format, int precision, int digits,
                     const FormatSettings& fs);
void appendCurrText(std::string& out, int64_t scaled, FloatFormat format, int precision, int digits,
                    const FormatSettings& fs);

}  // namespace lumaro
