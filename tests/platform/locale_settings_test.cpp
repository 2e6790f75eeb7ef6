#include <gtest/gtest.h>

#include <QDate>
#include <QLocale>
#include <QTime>

#include "core/date_time.h"
#include "platform/locale_settings.h"

using namespace lumaro;

TEST(LocaleSettings, QtPatternsBecomeDelphiPatterns) {
    struct Case {
        const char* qt;
        const char* dateSep;
        const char* timeSep;
        const char* delphi;
    };
    const Case cases[] = {
        {"d. MM. yy", ".", ":", "d. MM. yy"},
        {"M/d/yy", "/", ":", "M/d/yy"},
        {"dd/MM/yyyy", ".", ":", "dd\"/\"MM\"/\"yyyy"},  // "/" would print the date separator
        {"h:mm AP", "/", ":", "h:nn AMPM"},
        {"HH:mm:ss t", "/", ":", "hh:nn:ss"},            // time zones are dropped
        {"HH:mm:ss (t)", "/", ":", "hh:nn:ss"},
        {"H.mm", ".", ".", "h.nn"},
        {"H:mm", ".", ".", "h\":\"nn"},
        {"dddd, d. MMMM yyyy", ".", ":", "dddd, d. MMMM yyyy"},
        {"d 'de' MMMM 'de' yyyy", "/", ":", "d \"de\" MMMM \"de\" yyyy"},
        {"hh 'o''clock'", "/", ":", "hh \"o'clock\""},
        {"''HH''", "/", ":", "\"'\"hh\"'\""},
        {"d.MM.yy 'г'.", ".", ":", "d.MM.yy г."},
        {"yyyy年M月d日", "/", ":", "yyyy年M月d日"},
        {"HH:mm:ss.zzz", "/", ":", "hh:nn:ss.zzz"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(delphiDateTimePattern(QString::fromUtf8(c.qt), c.dateSep, c.timeSep), c.delphi) << c.qt;
}

TEST(LocaleSettings, SeparatorsAndNamesComeFromTheLocale) {
    const FormatSettings sl = formatSettingsFromLocale(QLocale(QStringLiteral("sl_SI")));
    EXPECT_EQ(sl.decimalSeparator, ",");
    EXPECT_EQ(sl.thousandSeparator, ".");
    EXPECT_EQ(sl.dateSeparator, ".");
    EXPECT_EQ(sl.timeSeparator, ":");
    EXPECT_EQ(sl.longMonthNames[4], "maj");
    EXPECT_EQ(sl.longDayNames[0], "nedelja");  // Sunday first
    EXPECT_EQ(sl.longDayNames[1], "ponedeljek");
    EXPECT_EQ(sl.currencyString, "€");

    const FormatSettings us = formatSettingsFromLocale(QLocale(QStringLiteral("en_US")));
    EXPECT_EQ(us.decimalSeparator, ".");
    EXPECT_EQ(us.thousandSeparator, ",");
    EXPECT_EQ(us.dateSeparator, "/");
    EXPECT_EQ(us.timeAMString, "AM");
    EXPECT_EQ(us.shortDayNames[6], "Sat");
}

TEST(LocaleSettings, CurrencyLayoutsFollowTheLocale) {
    struct Case {
        const char* locale;
        int positive, negative, decimals;
    };
    const Case cases[] = {
        {"en_US", 0, 0, 2},  // $1.00, ($1.00)
        {"de_DE", 3, 8, 2},  // 1,00 €, -1,00 €
        {"ja_JP", 0, 0, 0},  // ￥1, (￥1)
    };
    for (const auto& c : cases) {
        const FormatSettings fs = formatSettingsFromLocale(QLocale(QString::fromLatin1(c.locale)));
        EXPECT_EQ(fs.currencyFormat, c.positive) << c.locale;
        EXPECT_EQ(fs.negCurrFormat, c.negative) << c.locale;
        EXPECT_EQ(fs.currencyDecimals, c.decimals) << c.locale;
    }
}

// Qt's own formatting is the oracle: a date and a time written with the converted patterns
// by our Delphi-style formatter read exactly as Qt writes them with the locale's patterns.
TEST(LocaleSettings, ConvertedPatternsFormatLikeQt) {
    const QDate date(2010, 5, 17);
    const QTime time(14, 7, 9);
    const double day = encodeDate(2010, 5, 17);
    const double moment = day + encodeTime(14, 7, 9, 0);
    for (const char* name : {"sl_SI", "en_US", "de_DE", "en_GB", "fr_FR", "fi_FI", "hr_HR", "ja_JP", "C"}) {
        const QLocale locale{QString::fromLatin1(name)};
        const FormatSettings fs = formatSettingsFromLocale(locale);
        EXPECT_EQ(formatDateTime(fs.shortDateFormat, day, fs), locale.toString(date, QLocale::ShortFormat).toStdString())
            << name << " " << fs.shortDateFormat;
        EXPECT_EQ(formatDateTime(fs.longDateFormat, day, fs), locale.toString(date, QLocale::LongFormat).toStdString())
            << name << " " << fs.longDateFormat;
        EXPECT_EQ(formatDateTime(fs.shortTimeFormat, moment, fs), locale.toString(time, QLocale::ShortFormat).toStdString())
            << name << " " << fs.shortTimeFormat;
    }
}
