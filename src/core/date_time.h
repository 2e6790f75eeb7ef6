#pragma once
// Dates are doubles counting days since 30 December 1899; the fraction is the time of day.
#include <optional>
#include <string>
#include <string_view>

#include "core/format_settings.h"

namespace lumaro {

struct DateParts {
    int year = 1899, month = 12, day = 30;
};
struct TimeParts {
    int hour = 0, minute = 0, second = 0, msec = 0;
};

bool isLeapYear(int year);
int daysInMonth(int year, int month);
std::optional<double> tryEncodeDate(int year, int month, int day);
std::optional<double> tryEncodeTime(int hour, int minute, int second, int msec);
// Raise EConvertError when the parts do not form a date or time.
double encodeDate(int year, int month, int day);
double encodeTime(int hour, int minute, int second, int msec);
DateParts decodeDate(double dt);
TimeParts decodeTime(double dt);
// 1 = Sunday ... 7 = Saturday.
int dayOfWeek(double dt);

// Delphi-style date and time pictures ("c", "d", "dd", "ddd", "dddd", "ddddd", "dddddd",
// "m", "mm", "mmm", "mmmm", "yy", "yyyy", "h", "hh", "n", "nn", "s", "ss", "z", "zzz",
// "t", "tt", "am/pm", "a/p", "ampm", "/", ":", quoted text).
std::string formatDateTime(std::string_view picture, double dt, const FormatSettings& fs = formatSettings());
std::string dateToStr(double dt, const FormatSettings& fs = formatSettings());
std::string timeToStr(double dt, const FormatSettings& fs = formatSettings());
std::string dateTimeToStr(double dt, const FormatSettings& fs = formatSettings());

}  // namespace lumaro
