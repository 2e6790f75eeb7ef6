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
// value has more than 15 integer digits or is below 0.0001 (0.0001 itself is "0.0001",
// 0.00001 is "1E-5"). NaN and infinities give "NAN", "INF", "-INF".
std::string floatToStr(double v, const FormatSettings& fs = formatSettings());
// Currency (value scaled by 10000) in the general format, exactly: "922337203685477.5807".
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

// Currency (scaled by 10000) from text with the locale's decimal separator and an optional
// exponent, rounded half to even at four decimals; nothing when invalid or out of range.
std::optional<int64_t> tryStrToCurr(std::string_view s, const FormatSettings& fs = formatSettings());
// Raises "'%s' is not a valid floating point value".
int64_t strToCurr(std::string_view s, const FormatSettings& fs = formatSettings());

int32_t strToIntDef(std::string_view s, int32_t def);
double strToFloatDef(std::string_view s, double def, const FormatSettings& fs = formatSettings());
// True when StrToInt or StrToFloat would succeed.
bool validInt(std::string_view s);
bool validFloat(std::string_view s, const FormatSettings& fs = formatSettings());

// Upper-case hexadecimal with at least `digits` digits; a negative 32-bit value shows its
// 32-bit two's complement ("FFFFFFFF"), a negative 64-bit value its 64-bit one.
std::string intToHex(int32_t v, int digits);
std::string intToHex(int64_t v, int digits);

// Round half to even, as the platform's Round does.
int64_t roundHalfEven(double v);
// Round (ties to even) and Trunc to a 32-bit result: NaN and infinities raise EInvalidOp
// ("Invalid floating point operation"), results outside 32 bits EIntOverflow ("Integer overflow").
int32_t roundToInt(double v);
int32_t truncToInt(double v);
// Int: the whole part as a float; Frac: the fraction with the sign of the argument.
double intPart(double v);
double fracPart(double v);

}  // namespace lumaro
