#include "platform/locale_settings.h"

#include <array>

#include "core/text.h"

namespace lumaro {

namespace {

std::string utf8(const QString& s) { return s.toStdString(); }

bool isAsciiLetter(QChar c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }

// Writes literal text so that Delphi's formatter copies it unchanged.
class LiteralWriter {
public:
    LiteralWriter(std::string& out, const std::string& dateSep, const std::string& timeSep)
        : out_(out), dateSep_(dateSep), timeSep_(timeSep) {}

    void add(QChar c) {
        const bool quote = isAsciiLetter(c) || c == u'"' || c == u'\'' || (c == u'/' && dateSep_ != "/") ||
                           (c == u':' && timeSep_ != ":");
        if (!quote) {
            close();
            out_ += utf8(QString(c));
        } else if (c == u'"') {
            close();
            out_ += "'\"'";
        } else {
            if (!open_) out_ += '"';
            open_ = true;
            out_ += utf8(QString(c));
        }
    }
    void close() {
        if (open_) out_ += '"';
        open_ = false;
    }

private:
    std::string& out_;
    const std::string& dateSep_;
    const std::string& timeSep_;
    bool open_ = false;
};

// The Delphi specifier for a run of one Qt pattern letter; empty for what is dropped.
std::string delphiSpecifier(QChar letter, qsizetype count) {
    switch (letter.unicode()) {
    case u'd': return std::string(static_cast<size_t>(std::min<qsizetype>(count, 4)), 'd');
    case u'M': return std::string(static_cast<size_t>(std::min<qsizetype>(count, 4)), 'M');
    case u'y': return count <= 2 ? "yy" : "yyyy";
    case u'h':
    case u'H': return count == 1 ? "h" : "hh";
    case u'm': return count == 1 ? "n" : "nn";
    case u's': return count == 1 ? "s" : "ss";
    case u'z': return count == 1 ? "z" : "zzz";
    case u'a':
    case u'A': return "AMPM";
    default: return {};
    }
}

bool isPatternLetter(QChar c) { return QStringLiteral("dMyhHmszaAt").contains(c); }

// The first literal character of a pattern that is neither a blank nor quoted text.
std::string firstSeparator(const QString& pattern, const std::string& fallback) {
    bool quoted = false;
    for (const QChar c : pattern) {
        if (c == u'\'') quoted = !quoted;
        if (quoted || c == u'\'' || c.isSpace() || c.isLetterOrNumber()) continue;
        return utf8(QString(c));
    }
    return fallback;
}

// The sixteen negative currency layouts, "$" standing for the symbol and "1" for the amount.
constexpr std::array<const char*, 16> kNegativeCurrencyLayouts = {
    "($1)", "-$1", "$-1", "$1-", "(1$)", "-1$", "1-$", "1$-",
    "-1 $", "-$ 1", "1 $-", "$ 1-", "$ -1", "1- $", "($ 1)", "(1 $)"};
constexpr std::array<const char*, 4> kPositiveCurrencyLayouts = {"$1", "1$", "$ 1", "1 $"};

// The layout of `sample` (a currency text of 1 or -1) with the symbol and the amount
// replaced by "$" and "1" and every kind of blank by " ".
std::string currencyLayout(QString sample, const QLocale& locale, double amount) {
    if (!locale.currencySymbol().isEmpty()) sample.replace(locale.currencySymbol(), QStringLiteral("$"));
    const QString digits = locale.toString(amount < 0 ? -amount : amount, 'f', 0);
    const qsizetype at = sample.indexOf(digits);
    if (at >= 0) {
        qsizetype end = at + digits.size();
        while (end < sample.size() && (sample[end].isDigit() || sample[end] == locale.decimalPoint()[0])) ++end;
        sample.replace(at, end - at, QStringLiteral("1"));
    }
    for (QChar& c : sample)
        if (c.isSpace() || c == QChar(0x00A0) || c == QChar(0x202F)) c = u' ';
    sample.replace(locale.negativeSign(), QStringLiteral("-"));
    return utf8(sample);
}

template <size_t N>
int layoutIndex(const std::array<const char*, N>& layouts, const std::string& layout, int fallback) {
    for (size_t i = 0; i < N; ++i)
        if (layout == layouts[i]) return static_cast<int>(i);
    return fallback;
}

}  // namespace

std::string delphiDateTimePattern(const QString& qtPattern, const std::string& dateSeparator,
                                  const std::string& timeSeparator) {
    std::string out;
    LiteralWriter literal(out, dateSeparator, timeSeparator);
    bool droppedZone = false;
    for (qsizetype i = 0; i < qtPattern.size();) {
        const QChar c = qtPattern[i];
        if (c == u'\'') {
            // Quoted text; two quotes stand for one quote character.
            qsizetype j = i + 1;
            if (j < qtPattern.size() && qtPattern[j] == u'\'') {
                literal.add(u'\'');
                i = j + 1;
                continue;
            }
            for (; j < qtPattern.size(); ++j) {
                if (qtPattern[j] != u'\'') {
                    literal.add(qtPattern[j]);
                } else if (j + 1 < qtPattern.size() && qtPattern[j + 1] == u'\'') {
                    literal.add(u'\'');
                    ++j;
                } else {
                    break;
                }
            }
            i = j + 1;
            continue;
        }
        if (!isPatternLetter(c)) {
            literal.add(c);
            ++i;
            continue;
        }
        qsizetype j = i;
        while (j < qtPattern.size() && qtPattern[j] == c) ++j;
        // "AP" and "ap" are one specifier.
        if ((c == u'A' || c == u'a') && j < qtPattern.size() && (qtPattern[j] == u'P' || qtPattern[j] == u'p')) ++j;
        literal.close();
        if (c == u't') droppedZone = true;
        out += delphiSpecifier(c, j - i);
        i = j;
    }
    literal.close();
    if (droppedZone) out = trim(replaceAll(out, "()", ""));
    return out;
}

FormatSettings formatSettingsFromLocale(const QLocale& locale) {
    FormatSettings fs;
    fs.decimalSeparator = utf8(locale.decimalPoint());
    fs.thousandSeparator = utf8(locale.groupSeparator());
    const QString shortDate = locale.dateFormat(QLocale::ShortFormat);
    const QString shortTime = locale.timeFormat(QLocale::ShortFormat);
    fs.dateSeparator = firstSeparator(shortDate, "/");
    fs.timeSeparator = firstSeparator(shortTime, ":");
    fs.shortDateFormat = delphiDateTimePattern(shortDate, fs.dateSeparator, fs.timeSeparator);
    fs.longDateFormat =
        delphiDateTimePattern(locale.dateFormat(QLocale::LongFormat), fs.dateSeparator, fs.timeSeparator);
    fs.shortTimeFormat = delphiDateTimePattern(shortTime, fs.dateSeparator, fs.timeSeparator);
    fs.longTimeFormat =
        delphiDateTimePattern(locale.timeFormat(QLocale::LongFormat), fs.dateSeparator, fs.timeSeparator);
    fs.timeAMString = utf8(locale.amText());
    fs.timePMString = utf8(locale.pmText());
    for (int m = 1; m <= 12; ++m) {
        fs.shortMonthNames[m - 1] = utf8(locale.monthName(m, QLocale::ShortFormat));
        fs.longMonthNames[m - 1] = utf8(locale.monthName(m, QLocale::LongFormat));
    }
    // Qt counts Monday as 1 and Sunday as 7; the Delphi arrays start with Sunday.
    for (int d = 0; d < 7; ++d) {
        const int qtDay = d == 0 ? 7 : d;
        fs.shortDayNames[d] = utf8(locale.dayName(qtDay, QLocale::ShortFormat));
        fs.longDayNames[d] = utf8(locale.dayName(qtDay, QLocale::LongFormat));
    }
    fs.currencyString = utf8(locale.currencySymbol());
    if (fs.currencyString.empty()) fs.currencyString.push_back('$');
    const QString one = locale.toCurrencyString(1.0);
    fs.currencyFormat = layoutIndex(kPositiveCurrencyLayouts, currencyLayout(one, locale, 1.0), 0);
    fs.negCurrFormat =
        layoutIndex(kNegativeCurrencyLayouts, currencyLayout(locale.toCurrencyString(-1.0), locale, -1.0), 1);
    const qsizetype point = one.indexOf(locale.decimalPoint());
    int decimals = 0;
    if (point >= 0)
        for (qsizetype i = point + 1; i < one.size() && one[i].isDigit(); ++i) ++decimals;
    fs.currencyDecimals = decimals;
    return fs;
}

void loadSystemFormatSettings() { formatSettings() = formatSettingsFromLocale(QLocale::system()); }

}  // namespace lumaro
