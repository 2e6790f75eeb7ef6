#pragma once
// Conversions between numbers and text with the rules of the original platform:
// general float format with up to 15 significant digits, locale decimal separator.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/format_settings.h"

namespace lumaro {

std::string intToStr(int64_t v);
// General format, 15 significant digits; scientific notation ("1E20", "1.5E-7") only when the
// value has more than 15 integer digits or is below 0.0001.
std::string floatToStr(double v, const FormatSettings& fs = formatSettings());
// Currency (value scaled by 10000) in the general format.
std::string currToStr(int64_t scaled, const FormatSettings& fs = formatSettings());

// Decimal or "$"-hexadecimal (also "0x"); leading blanks allowed, nothing may follow.
std::optional<int64_t> tryStrToInt64(std::string_view s);
std::optional<int32_t> tryStrToInt(std::string_view s);
// Decimal number with the locale's decimal separator and an optional exponent;
// leading and trailing blanks ignored.
std::optional<double> tryStrToFloat(std::string_view s, const FormatSettings& fs = formatSettings());
// The same with an explicit decimal separator character.
std::optional<double> tryStrToFloatSep(std::string_view s, std::string_view decimalSeparator);

// Raise EConvertError with the platform's texts ("'abc' is not a valid integer value",
// "'abc' is not a valid floating point value").
int32_t strToInt(std::string_view s);
double strToFloat(std::string_view s, const FormatSettings& fs = formatSettings());

// Round half to even, as the platform's Round does.
int64_t roundHalfEven(double v);

}  // namespace lumaro
