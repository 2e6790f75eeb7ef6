#include "core/date_parse.h"

#include <string>

#include "core/date_time.h"
#include "core/error.h"
#include "core/text.h"

namespace lumaro {

namespace {

enum class DateOrder { MDY, DMY, YMD };

// The first of "d", "m" and "y" in the short date format decides the order.
DateOrder dateOrder(std::string_view fmt) {
    for (const char c : fmt) {
        switch (c | 0x20) {
            case 'y':
            case 'e': return DateOrder::YMD;
            case 'm': return DateOrder::MDY;
            case 'd': return DateOrder::DMY;
            default: break;
        }
    }
    return DateOrder::MDY;
}

class Scanner {
public:
    explicit Scanner(std::string_view s) : s_(s) {}

    bool atEnd() const { return pos_ >= s_.size(); }
    size_t pos() const { return pos_; }
    void setPos(size_t p) { pos_ = p; }

    void blanks() {
        while (pos_ < s_.size() && s_[pos_] == ' ') ++pos_;
    }
    // Up to four digits after optional blanks.
    bool number(int& value, int& length) {
        blanks();
        size_t i = pos_;
        int n = 0;
        while (i < s_.size() && s_[i] >= '0' && s_[i] <= '9' && n < 1000) n = n * 10 + (s_[i++] - '0');
        if (i == pos_) return false;
        length = static_cast<int>(i - pos_);
        value = n;
        pos_ = i;
        return true;
    }
    bool text(std::string_view sep) {
        blanks();
        if (sep.empty() || s_.substr(pos_, sep.size()) != sep) return false;
        pos_ += sep.size();
        return true;
    }
    bool textNoCase(std::string_view word) {
        blanks();
        if (word.empty() || pos_ + word.size() > s_.size() || !sameText(s_.substr(pos_, word.size()), word))
            return false;
        pos_ += word.size();
        return true;
    }

private:
    std::string_view s_;
    size_t pos_ = 0;
};

std::optional<double> scanDate(Scanner& sc, const FormatSettings& fs) {
    int n1, n2, n3, l1, l2, l3;
    if (!sc.number(n1, l1) || !sc.text(fs.dateSeparator) || !sc.number(n2, l2)) return std::nullopt;
    const DateOrder order = dateOrder(fs.shortDateFormat);
    int y, m, d;
    if (sc.text(fs.dateSeparator)) {
        if (!sc.number(n3, l3)) return std::nullopt;
        int yearLength;
        switch (order) {
            case DateOrder::MDY: y = n3, yearLength = l3, m = n1, d = n2; break;
            case DateOrder::DMY: y = n3, yearLength = l3, m = n2, d = n1; break;
            default: y = n1, yearLength = l1, m = n2, d = n3; break;
        }
        if (yearLength <= 2) {
            const int window = fs.twoDigitYearCenturyWindow;
            const int base = currentYear() - window;
            y += base / 100 * 100;
            if (window > 0 && y < base) y += 100;
        }
    } else {
        y = currentYear();
        if (order == DateOrder::DMY)
            d = n1, m = n2;
        else
            m = n1, d = n2;
    }
    sc.text(fs.dateSeparator);
    sc.blanks();
    return tryEncodeDate(y, m, d);
}

std::optional<double> scanTime(Scanner& sc, const FormatSettings& fs) {
    auto amPm = [&]() -> int {
        if (sc.textNoCase(fs.timeAMString) || sc.textNoCase("AM")) return 0;
        if (sc.textNoCase(fs.timePMString) || sc.textNoCase("PM")) return 12;
        return -1;
    };
    int baseHour = amPm();
    int hour, minute = 0, second = 0, msec = 0, len;
    if (!sc.number(hour, len)) return std::nullopt;
    if (sc.text(fs.timeSeparator)) {
        if (!sc.number(minute, len)) return std::nullopt;
        if (sc.text(fs.timeSeparator)) {
            if (!sc.number(second, len)) return std::nullopt;
            if (sc.text(fs.decimalSeparator) && !sc.number(msec, len)) return std::nullopt;
        }
    }
    if (baseHour < 0) baseHour = amPm();
    if (baseHour >= 0) {
        if (hour == 0 || hour > 12) return std::nullopt;
        if (hour == 12) hour = 0;
        hour += baseHour;
    }
    sc.blanks();
    return tryEncodeTime(hour, minute, second, msec);
}

[[noreturn]] void parseError(const char* what, std::string_view s) {
    throw EConvertError("'" + std::string(s) + "' is not a valid " + what);
}

}  // namespace

std::optional<double> tryStrToDate(std::string_view s, const FormatSettings& fs) {
    Scanner sc(s);
    auto d = scanDate(sc, fs);
    return d && sc.atEnd() ? d : std::nullopt;
}

std::optional<double> tryStrToTime(std::string_view s, const FormatSettings& fs) {
    Scanner sc(s);
    auto t = scanTime(sc, fs);
    return t && sc.atEnd() ? t : std::nullopt;
}

std::optional<double> tryStrToDateTime(std::string_view s, const FormatSettings& fs) {
    Scanner sc(s);
    const auto date = scanDate(sc, fs);
    if (!date) return tryStrToTime(s, fs);
    double time = 0;
    if (!sc.atEnd()) {
        const auto t = scanTime(sc, fs);
        if (!t || !sc.atEnd()) return tryStrToTime(s, fs);
        time = *t;
    }
    return *date >= 0 ? *date + time : *date - time;
}

double strToDate(std::string_view s, const FormatSettings& fs) {
    if (auto v = tryStrToDate(s, fs)) return *v;
    parseError("date", s);
}

double strToTime(std::string_view s, const FormatSettings& fs) {
    if (auto v = tryStrToTime(s, fs)) return *v;
    parseError("time", s);
}

double strToDateTime(std::string_view s, const FormatSettings& fs) {
    if (auto v = tryStrToDateTime(s, fs)) return *v;
    parseError("date and time", s);
}

bool validDate(std::string_view s, const FormatSettings& fs) { return tryStrToDate(s, fs).has_value(); }

}  // namespace lumaro
