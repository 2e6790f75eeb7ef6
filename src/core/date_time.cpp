#include "core/date_time.h"

#include <cmath>

#include "core/error.h"
#include "core/text.h"

namespace lumaro {

namespace {
constexpr int kDaysBefore1900 = 693594;  // days from 1 January 0001 to 30 December 1899
constexpr int kMonthDays[2][12] = {{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31},
                                   {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31}};
}  // namespace

bool isLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

int daysInMonth(int year, int month) { return kMonthDays[isLeapYear(year)][month - 1]; }

std::optional<double> tryEncodeDate(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > daysInMonth(year, month))
        return std::nullopt;
    int d = day;
    for (int m = 1; m < month; ++m) d += daysInMonth(year, m);
    const int y = year - 1;
    const int days = y * 365 + y / 4 - y / 100 + y / 400 + d - kDaysBefore1900;
    return static_cast<double>(days);
}

std::optional<double> tryEncodeTime(int hour, int minute, int second, int msec) {
    if (hour < 0 || hour >= 24 || minute < 0 || minute >= 60 || second < 0 || second >= 60 || msec < 0 ||
        msec >= 1000)
        return std::nullopt;
    return (hour * 3600000.0 + minute * 60000.0 + second * 1000.0 + msec) / 86400000.0;
}

double encodeDate(int year, int month, int day) {
    if (auto v = tryEncodeDate(year, month, day)) return *v;
    throw EConvertError("Invalid argument to date encode");
}

double encodeTime(int hour, int minute, int second, int msec) {
    if (auto v = tryEncodeTime(hour, minute, second, msec)) return *v;
    throw EConvertError("Invalid argument to time encode");
}

DateParts decodeDate(double dt) {
    DateParts p;
    const long long t = static_cast<long long>(std::floor(dt)) + kDaysBefore1900;  // days since 0001-01-01 minus 1
    if (t <= 0 || t > 3652059) return DateParts{0, 0, 0};
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
    p.year = y;
    p.month = m;
    p.day = static_cast<int>(d) + 1;
    return p;
}

TimeParts decodeTime(double dt) {
    const double frac = std::fabs(dt - std::trunc(dt));
    long long ms = static_cast<long long>(std::llround(frac * 86400000.0));
    if (ms >= 86400000) ms = 86399999;
    TimeParts t;
    t.hour = static_cast<int>(ms / 3600000);
    t.minute = static_cast<int>(ms / 60000 % 60);
    t.second = static_cast<int>(ms / 1000 % 60);
    t.msec = static_cast<int>(ms % 1000);
    return t;
}

int dayOfWeek(double dt) {
    const long long days = static_cast<long long>(std::floor(dt));
    // 30 December 1899 was a Saturday.
    return static_cast<int>(((days - 1) % 7 + 7) % 7) + 1;
}

std::string formatDateTime(std::string_view picture, double dt, const FormatSettings& fs) {
    std::string out;
    const DateParts d = decodeDate(dt);
    const TimeParts t = decodeTime(dt);
    auto two = [](int v) { return (v < 10 ? "0" : "") + std::to_string(v); };
    bool lastWasHour = false;
    size_t i = 0;
    const std::string pic(picture);
    auto countRun = [&](char c) {
        size_t n = 0;
        while (i + n < pic.size() && (pic[i + n] | 0x20) == c) ++n;
        return n;
    };
    while (i < pic.size()) {
        const char c = pic[i];
        const char lc = static_cast<char>(c | 0x20);
        if (c == '"' || c == '\'') {
            const size_t end = pic.find(c, i + 1);
            const size_t stop = end == std::string::npos ? pic.size() : end;
            out.append(pic, i + 1, stop - i - 1);
            i = end == std::string::npos ? pic.size() : end + 1;
            continue;
        }
        if (c == '/') {
            out += fs.dateSeparator;
            ++i;
            continue;
        }
        if (c == ':') {
            out += fs.timeSeparator;
            ++i;
            continue;
        }
        if (lc == 'c') {
            out += formatDateTime(fs.shortDateFormat, dt, fs);
            if (t.hour || t.minute || t.second || t.msec) {
                out += ' ';
                out += formatDateTime(fs.longTimeFormat, dt, fs);
            }
            ++i;
            continue;
        }
        if (lc == 'd') {
            const size_t n = countRun('d');
            i += n;
            const int dow = dayOfWeek(dt) - 1;
            if (n == 1) out += std::to_string(d.day);
            else if (n == 2) out += two(d.day);
            else if (n == 3) out += fs.shortDayNames[dow];
            else if (n == 4) out += fs.longDayNames[dow];
            else if (n == 5) out += formatDateTime(fs.shortDateFormat, dt, fs);
            else out += formatDateTime(fs.longDateFormat, dt, fs);
            lastWasHour = false;
            continue;
        }
        if (lc == 'm') {
            const size_t n = countRun('m');
            i += n;
            if (lastWasHour && n <= 2) {
                out += n == 1 ? std::to_string(t.minute) : two(t.minute);
            } else if (n == 1) out += std::to_string(d.month);
            else if (n == 2) out += two(d.month);
            else if (n == 3) out += fs.shortMonthNames[d.month - 1];
            else out += fs.longMonthNames[d.month - 1];
            lastWasHour = false;
            continue;
        }
        if (lc == 'y') {
            const size_t n = countRun('y');
            i += n;
            out += n <= 2 ? two(d.year % 100) : std::to_string(d.year);
            lastWasHour = false;
            continue;
        }
        if (lc == 'h') {
            const size_t n = countRun('h');
            i += n;
            int h = t.hour;
            // A 12-hour clock when an am/pm marker follows somewhere in the picture.
            const std::string rest = lowerCase(pic.substr(i));
            if (rest.find("am/pm") != std::string::npos || rest.find("a/p") != std::string::npos ||
                rest.find("ampm") != std::string::npos) {
                h %= 12;
                if (h == 0) h = 12;
            }
            out += n == 1 ? std::to_string(h) : two(h);
            lastWasHour = true;
            continue;
        }
        if (lc == 'n') {
            const size_t n = countRun('n');
            i += n;
            out += n == 1 ? std::to_string(t.minute) : two(t.minute);
            continue;
        }
        if (lc == 's') {
            const size_t n = countRun('s');
            i += n;
            out += n == 1 ? std::to_string(t.second) : two(t.second);
            continue;
        }
        if (lc == 'z') {
            const size_t n = countRun('z');
            i += n;
            std::string ms = std::to_string(t.msec);
            if (n >= 3) ms = std::string(3 - ms.size(), '0') + ms;
            out += ms;
            continue;
        }
        if (lc == 't') {
            const size_t n = countRun('t');
            i += n;
            out += formatDateTime(n == 1 ? fs.shortTimeFormat : fs.longTimeFormat, dt, fs);
            continue;
        }
        if (lc == 'a') {
            const std::string rest = lowerCase(pic.substr(i, 5));
            if (rest == "am/pm") {
                out += t.hour < 12 ? pic.substr(i, 2) : pic.substr(i + 3, 2);
                i += 5;
                continue;
            }
            if (rest.rfind("a/p", 0) == 0) {
                out += t.hour < 12 ? pic.substr(i, 1) : pic.substr(i + 2, 1);
                i += 3;
                continue;
            }
            if (rest.rfind("ampm", 0) == 0) {
                out += t.hour < 12 ? fs.timeAMString : fs.timePMString;
                i += 4;
                continue;
            }
        }
        out += c;
        ++i;
    }
    return out;
}

std::string dateToStr(double dt, const FormatSettings& fs) { return formatDateTime("ddddd", dt, fs); }
std::string timeToStr(double dt, const FormatSettings& fs) { return formatDateTime("tt", dt, fs); }
std::string dateTimeToStr(double dt, const FormatSettings& fs) { return formatDateTime("c", dt, fs); }

}  // namespace lumaro
