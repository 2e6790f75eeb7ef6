#include <array>
#include <cstring>

#include "core/date_time.h"
#include "core/digits.h"

namespace lumaro {

namespace {

constexpr int kMaxNesting = 2;  // a picture and the formats it names ("c", "ddddd", "t"...)

bool matchesNoCase(std::string_view s, size_t at, const char* word) {
    const size_t n = std::strlen(word);
    if (at + n > s.size()) return false;
    for (size_t k = 0; k < n; ++k)
        if ((s[at + k] | 0x20) != (word[k] | 0x20)) return false;
    return true;
}

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

class DateTimeWriter {
public:
    DateTimeWriter(double dt, const FormatSettings& fs, std::string& out) : fs_(fs), out_(out) {
        split_ = splitDateTime(dt);
        date_ = decodeDayNumber(split_.day);
        const int ms = split_.msec;
        time_.hour = ms / 3600000;
        time_.minute = ms / 60000 % 60;
        time_.second = ms / 1000 % 60;
        time_.msec = ms % 1000;
    }

    void append(std::string_view pic, int level) {
        if (level >= kMaxNesting) return;
        char lastToken = ' ';
        bool use12Hour = false;
        size_t i = 0;
        while (i < pic.size()) {
            const char starter = pic[i++];
            char token = starter;
            if (token >= 'a' && token <= 'z') token = static_cast<char>(token - 32);
            if (isAsciiLetter(token)) {
                if (token == 'M' && lastToken == 'H') token = 'N';
                lastToken = token;
            }
            // Runs of the same character (case-sensitive) form one token.
            size_t count = 1;
            auto takeRun = [&] {
                while (i < pic.size() && pic[i] == starter) {
                    ++i;
                    ++count;
                }
            };
            switch (token) {
                case 'Y':
                    takeRun();
                    if (count <= 2)
                        number(date_.year % 100, 2);
                    else
                        number(date_.year, 4);
                    break;
                case 'M':
                    takeRun();
                    if (count <= 2)
                        number(date_.month, static_cast<int>(count));
                    else if (date_.month >= 1)
                        out_ += count == 3 ? fs_.shortMonthNames[date_.month - 1] : fs_.longMonthNames[date_.month - 1];
                    break;
                case 'D':
                    takeRun();
                    if (count <= 2)
                        number(date_.day, static_cast<int>(count));
                    else if (count == 3)
                        dayName(fs_.shortDayNames);
                    else if (count == 4)
                        dayName(fs_.longDayNames);
                    else
                        append(count == 5 ? fs_.shortDateFormat : fs_.longDateFormat, level + 1);
                    break;
                case 'H': {
                    takeRun();
                    if (!use12Hour) use12Hour = amPmFollows(pic, i);
                    int h = time_.hour;
                    if (use12Hour) h = h == 0 ? 12 : h > 12 ? h - 12 : h;
                    number(h, count > 2 ? 2 : static_cast<int>(count));
                    break;
                }
                case 'N':
                    takeRun();
                    number(time_.minute, count > 2 ? 2 : static_cast<int>(count));
                    break;
                case 'S':
                    takeRun();
                    number(time_.second, count > 2 ? 2 : static_cast<int>(count));
                    break;
                case 'Z':
                    takeRun();
                    number(time_.msec, count > 3 ? 3 : static_cast<int>(count));
                    break;
                case 'T':
                    takeRun();
                    append(count == 1 ? fs_.shortTimeFormat : fs_.longTimeFormat, level + 1);
                    break;
                case 'A': i = amPm(pic, i - 1, starter, use12Hour); break;
                case 'C':
                    takeRun();
                    append(fs_.shortDateFormat, level + 1);
                    if (time_.hour || time_.minute || time_.second) {
                        out_ += ' ';
                        append(fs_.longTimeFormat, level + 1);
                    }
                    break;
                case '/': out_ += fs_.dateSeparator; break;
                case ':': out_ += fs_.timeSeparator; break;
                case '"':
                case '\'': {
                    const size_t close = pic.find(starter, i);
                    const size_t stop = close == std::string_view::npos ? pic.size() : close;
                    out_.append(pic.substr(i, stop - i));
                    i = stop == pic.size() ? stop : stop + 1;
                    break;
                }
                default: out_ += starter; break;
            }
        }
    }

private:
    // The name of the weekday; nothing for a value that is no date.
    void dayName(const std::array<std::string, 7>& names) {
        if (date_.month != 0) out_ += names[dayOfWeekOfDayNumber(split_.day) - 1];
    }

    void number(int v, int minDigits) { appendDigits(out_, v < 0 ? 0u : static_cast<unsigned>(v), 10, minDigits); }

    // Whether an hour at `from` is shown on the 12-hour clock: the next "a" outside quotes
    // (before any further "h") starts "am/pm", "a/p" or "ampm".
    static bool amPmFollows(std::string_view pic, size_t from) {
        bool quoted = false;
        for (size_t p = from; p < pic.size(); ++p) {
            const char c = pic[p];
            if (c == 'h' || c == 'H') return false;
            if (c == '\'' || c == '"') quoted = !quoted;
            if (!quoted && (c == 'a' || c == 'A'))
                return matchesNoCase(pic, p, "am/pm") || matchesNoCase(pic, p, "a/p") || matchesNoCase(pic, p, "ampm");
        }
        return false;
    }

    // "am/pm" and "a/p" copy the marker as written, "ampm" gives the locale's strings,
    // "aaaa" and "aaa" day names; any other "a" is text. Returns the index after the token.
    size_t amPm(std::string_view pic, size_t at, char starter, bool& use12Hour) {
        const bool pm = time_.hour >= 12;
        if (matchesNoCase(pic, at, "am/pm")) {
            out_.append(pic.substr(pm ? at + 3 : at, 2));
            use12Hour = true;
            return at + 5;
        }
        if (matchesNoCase(pic, at, "a/p")) {
            out_ += pic[pm ? at + 2 : at];
            use12Hour = true;
            return at + 3;
        }
        if (matchesNoCase(pic, at, "ampm")) {
            out_ += pm ? fs_.timePMString : fs_.timeAMString;
            use12Hour = true;
            return at + 4;
        }
        if (matchesNoCase(pic, at, "aaaa")) {
            dayName(fs_.longDayNames);
            return at + 4;
        }
        if (matchesNoCase(pic, at, "aaa")) {
            dayName(fs_.shortDayNames);
            return at + 3;
        }
        out_ += starter;
        return at + 1;
    }

    const FormatSettings& fs_;
    std::string& out_;
    DateTimeSplit split_;
    DateParts date_;
    TimeParts time_;
};

}  // namespace

void appendDateTime(std::string& out, std::string_view picture, double dt, const FormatSettings& fs) {
    DateTimeWriter w(dt, fs, out);
    w.append(picture.empty() ? std::string_view("c") : picture, 0);
}

std::string formatDateTime(std::string_view picture, double dt, const FormatSettings& fs) {
    std::string out;
    out.reserve(picture.size() + 16);
    appendDateTime(out, picture, dt, fs);
    return out;
}

std::string dateToStr(double dt, const FormatSettings& fs) { return formatDateTime(fs.shortDateFormat, dt, fs); }
std::string timeToStr(double dt, const FormatSettings& fs) { return formatDateTime(fs.longTimeFormat, dt, fs); }
std::string dateTimeToStr(double dt, const FormatSettings& fs) { return formatDateTime("c", dt, fs); }

}  // namespace lumaro
