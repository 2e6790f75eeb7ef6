#pragma once
// Dates are doubles counting days since 30 December 1899; the fraction is the time of day.
// For days before that date the whole part counts back and the fraction still adds time
// (-1.25 is 29 December 1899, 6:00). Values are taken to the nearest millisecond first, so
// 23:59:59.9999 is midnight of the next day.
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

// A date value as its day number (days since 30 December 1899) and milliseconds of the day.
struct DateTimeSplit {
    long long day = 0;
    int msec = 0;
};
DateTimeSplit splitDateTime(double dt);
// Days 1 January 0001 .. 31 December 9999; anything else gives year, month and day 0.
DateParts decodeDayNumber(long long day);
int dayOfWeekOfDayNumber(long long day);

bool isLeapYear(int year);
// Days of the month; 0 for a month outside 1..12.
int daysInMonth(int year, int month);
std::optional<double> tryEncodeDate(int year, int month, int day);
std::optional<double> tryEncodeTime(int hour, int minute, int second, int msec);
// Raise EConvertError ("Invalid argument to date encode", "Invalid argument to time encode")
// when the parts do not form a date or time.
double encodeDate(int year, int month, int day);
double encodeTime(int hour, int minute, int second, int msec);
DateParts decodeDate(double dt);
TimeParts decodeTime(double dt);
// 1 = Sunday ... 7 = Saturday.
int dayOfWeek(double dt);
int dayOf(double dt);
int monthOf(double dt);
int yearOf(double dt);
// The same day `months` later (or earlier), clamped to the last day of a shorter month;
// the time of day is kept.
double incMonth(double dt, int months = 1);

// The clock: today at midnight, the time of day, both (local time).
double currentDate();
double currentTime();
double currentDateTime();
int currentYear();

// Delphi-style date and time pictures ("c", "d", "dd", "ddd", "dddd", "ddddd", "dddddd",
// "m", "mm", "mmm", "mmmm" ("m" right after an hour is minutes), "yy", "yyyy", "h", "hh",
// "n", "nn", "s", "ss", "z", "zzz", "t", "tt", "am/pm", "a/p", "ampm", "/", ":", quoted text).
// Letters are grouped into runs of the same character as written, so "Dd" is two tokens.
// An empty picture means "c".
std::string formatDateTime(std::string_view picture, double dt, const FormatSettings& fs = formatSettings());
void appendDateTime(std::string& out, std::string_view picture, double dt, const FormatSettings& fs);
// Short date format; long time format; both separated by a blank, the time left out at midnight.
std::string dateToStr(double dt, const FormatSettings& fs = formatSettings());
std::string timeToStr(double dt, const FormatSettings& fs = formatSettings());
std::string dateTimeToStr(double dt, const FormatSettings& fs = formatSettings());

}  // namespace lumaro
