#include "core/date_time.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <ctime>

#include "core/error.h"

namespace lumaro {

namespace {
constexpr long long kDaysBefore1900 = 693594;  // days from 1 January 0001 to 30 December 1899
constexpr long long kLastDay = 3652059;         // 31 December 9999 counted from 1 January 0001
constexpr int kMsecPerDay = 86400000;
constexpr int kMonthDays[2][12] = {{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
                                   {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}};
}  // namespace

bool isLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int daysInMonth(int year, int month) {
    if (month < 1 || month > 12) return 0;
    return kMonthDays[isLeapYear(year)][month - 1];
}

std::optional<double> tryEncodeDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month))
        return std::nullopt;
    int d = day;
    for (int m = 1; m < month; ++m) d += daysInMonth(year, m);
    const long long y = year - 1;
    const long long days = y * 365 + y / 4 - y / 100 + y / 400 + d - kDaysBefore1900;
    return static_cast<double>(days);
}

std::optional<double> tryEncodeTime(int hour, int minute, int second, int msec) {
    if (hour < 0 || hour >= 24 || minute < 0 || minute >= 60 || second < 0 || second >= 60 || msec < 0 ||
        msec >= 1000)
        return std::nullopt;
    return (hour * 3600000.0 + minute * 60000.0 + second * 1000.0 + msec) / kMsecPerDay;
}

double encodeDate(int year, int month, int day) {
    if (auto v = tryEncodeDate(year, month, day)) return *v;
    throw EConvertError("Invalid argument to date encode");
}

double encodeTime(int hour, int minute, int second, int msec) {
    if (auto v = tryEncodeTime(hour, minute, second, msec)) return *v;
    throw EConvertError("Invalid argument to time encode");
}

DateTimeSplit splitDateTime(double dt) {
    DateTimeSplit s;
    if (!std::isfinite(dt) || std::fabs(dt) > 1e9) {
        s.day = kLastDay * 2;  // no date
        return s;
    }
    const double whole = std::trunc(dt);
    s.day = static_cast<long long>(whole);
    long long ms = static_cast<long long>(std::nearbyint(std::fabs(dt - whole) * kMsecPerDay));
    if (ms >= kMsecPerDay) {
        // Rounding reached midnight: the next calendar day.
        ms -= kMsecPerDay;
        ++s.day;
    }
    s.msec = static_cast<int>(ms);
    return s;
}

DateParts decodeDayNumber(long long day) {
    const long long t = day + kDaysBefore1900;  // days since 1 January 0001, plus one
    if (t <= 0 || t > kLastDay) return DateParts{0, 0, 0};
    long long d = t - 1;
    int y = 1;
    y += static_cast<int>(d / 146097) * 400;
    d %= 146097;
    long long i = d / 36524;
    if (i == 4) i = 3;
    y += static_cast<int>(i) * 100;
    d -= i * 36524;
    y += static_cast<int>(d / 1461) * 4;
    d %= 1461;
    i = d / 365;
    if (i == 4) i = 3;
    y += static_cast<int>(i);
    d -= i * 365;
    int m = 1;
    while (d >= daysInMonth(y, m)) {
        d -= daysInMonth(y, m);
        ++m;
    }
    return DateParts{y, m, static_cast<int>(d) + 1};
}

int dayOfWeekOfDayNumber(long long day) {
    // 30 December 1899 (day 0) was a Saturday.
    return static_cast<int>(((day + 6) % 7 + 7) % 7) + 1;
}

DateParts decodeDate(double dt) { return decodeDayNumber(splitDateTime(dt).day); }

TimeParts decodeTime(double dt) {
    const int ms = splitDateTime(dt).msec;
    return TimeParts{ms / 3600000, ms / 60000 % 60, ms / 1000 % 60, ms % 1000};
}

int dayOfWeek(double dt) { return dayOfWeekOfDayNumber(splitDateTime(dt).day); }
int dayOf(double dt) { return decodeDate(dt).day; }
int monthOf(double dt) { return decodeDate(dt).month; }
int yearOf(double dt) { return decodeDate(dt).year; }

double incMonth(double dt, int months) {
    const DateTimeSplit s = splitDateTime(dt);
    const DateParts p = decodeDayNumber(s.day);
    if (p.year == 0) return dt;
    long long total = static_cast<long long>(p.year) * 12 + (p.month - 1) + months;
    const int year = static_cast<int>(total / 12);
    const int month = static_cast<int>(total % 12) + 1;
    const auto date = tryEncodeDate(year, month, std::min(p.day, daysInMonth(year, month)));
    if (!date) throw EConvertError("Invalid argument to date encode");
    const double time = static_cast<double>(s.msec) / kMsecPerDay;
    return *date >= 0 ? *date + time : *date - time;
}

namespace {
std::tm localNow(int* msec) {
    const auto now = std::chrono::system_clock::now();
    const std::time_t t = std::chrono::system_clock::to_time_t(now);
    if (msec)
        *msec = static_cast<int>(
            std::chrono::duration_cast<std::chrono::milliseconds>(now.time_since_epoch()).count() % 1000);
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm;
}
}  // namespace

double currentDate() {
    const std::tm tm = localNow(nullptr);
    return encodeDate(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday);
}

double currentTime() {
    int ms = 0;
    const std::tm tm = localNow(&ms);
    return encodeTime(tm.tm_hour, tm.tm_min, tm.tm_sec > 59 ? 59 : tm.tm_sec, ms);
}

double currentDateTime() {
    int ms = 0;
    const std::tm tm = localNow(&ms);
    return encodeDate(tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday) +
           encodeTime(tm.tm_hour, tm.tm_min, tm.tm_sec > 59 ? 59 : tm.tm_sec, ms);
}

int currentYear() { return localNow(nullptr).tm_year + 1900; }

}  // namespace lumaro
