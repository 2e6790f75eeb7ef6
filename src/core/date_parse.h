#pragma once
// Dates and times from text in the locale's short date order and separators.
#include <optional>
#include <string_view>

#include "core/format_settings.h"

namespace lumaro {

// Day, month and year as numbers separated by the date separator (blanks allowed around
// them), in the order of the short date format; without a year the current year. A year of
// one or two digits falls in the window of `twoDigitYearCenturyWindow` years before the
// current year (0: the current century). One date separator may follow.
std::optional<double> tryStrToDate(std::string_view s, const FormatSettings& fs = formatSettings());
// Hours[:minutes[:seconds[.milliseconds]]], with an optional "AM"/"PM" (or the locale's
// strings) before or after; the 12-hour clock then takes hours 1..12.
std::optional<double> tryStrToTime(std::string_view s, const FormatSettings& fs = formatSettings());
// A date, optionally followed by a time; or a time alone.
std::optional<double> tryStrToDateTime(std::string_view s, const FormatSettings& fs = formatSettings());

// Raise EConvertError "'%s' is not a valid date", "'%s' is not a valid time",
// "'%s' is not a valid date and time".
double strToDate(std::string_view s, const FormatSettings& fs = formatSettings());
double strToTime(std::string_view s, const FormatSettings& fs = formatSettings());
double strToDateTime(std::string_view s, const FormatSettings& fs = formatSettings());

// True when StrToDate would succeed.
bool validDate(std::string_view s, const FormatSettings& fs = formatSettings());

}  // namespace lumaro
