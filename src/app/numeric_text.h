#pragma once
// Texts of a numeric field: the display text shown while the field is not being edited
// (pattern ",0.": thousands separators, no decimals), the edit text (pattern "0.##", empty for
// 0) and the rule for what may be typed.
#include <string>
#include <string_view>

#include "core/format_settings.h"

namespace lumaro {

inline constexpr int kNumericDecimals = 2;

std::string numericDisplayText(double value, const FormatSettings& fs = formatSettings());
std::string numericEditText(double value, const FormatSettings& fs = formatSettings());

// True when `text` may stand in the field while it is typed: digits, at most one decimal
// separator followed by at most two digits, and a leading minus sign only when `allowMinus`.
// The empty text, a lone minus sign and a trailing separator are allowed (unfinished numbers).
bool isAcceptableNumericInput(std::string_view text, bool allowMinus, const FormatSettings& fs = formatSettings());

// The value of an edit text; the empty text, a lone minus sign or a lone separator are 0.
double numericValueOfText(std::string_view text, const FormatSettings& fs = formatSettings());

// "Value must be between %d and %d" with each bound written with two decimals.
std::string numericRangeMessage(double minValue, double maxValue, const FormatSettings& fs = formatSettings());

}  // namespace lumaro
