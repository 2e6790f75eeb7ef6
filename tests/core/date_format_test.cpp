#include <gtest/gtest.h>

#include "core/date_parse.h"
#include "core/date_time.h"
#include "core/error.h"

using namespace lumaro;

namespace {
const FormatSettings kEn = FormatSettings::english();
const FormatSettings kSl = FormatSettings::slovenian();
const double kSample = encodeDate(2003, 2, 1) + encodeTime(14, 5, 9, 7);  // a Saturday
}  // namespace

TEST(FormatDateTime, PictureLanguage) {
    struct Case { const char* picture; double value; const char* text; };
    const double designerSample = encodeDate(2002, 11, 28) + encodeTime(2, 14, 0, 0);
    const Case cases[] = {
        // The samples the display format editor offers.
        {"dd.mm.yyyy", designerSample, "28.11.2002"},
        {"dd mmm yyyy", designerSample, "28 Nov 2002"},
        {"hh:mm am/pm, dd mmmm, yyyy", designerSample, "02:14 am, 28 November, 2002"},
        {"hh:mm:ss", designerSample, "02:14:00"},
        // Tokens and counts.
        {"d/m/yy", kSample, "1/2/03"},
        {"y yyy yyyyy", kSample, "03 2003 2003"},
        {"ddd dddd", kSample, "Sat Saturday"},
        {"ddddd|dddddd", kSample, "2/1/2003|Saturday, February 1, 2003"},
        {"h:n:s z zz zzz", kSample, "14:5:9 7 07 007"},
        {"hhh nnn sss zzzz", kSample, "14 05 09 007"},
        {"t|tt", kSample, "2:05 PM|2:05:09 PM"},
        {"c", kSample, "2/1/2003 2:05:09 PM"},
        {"", encodeDate(2003, 2, 1), "2/1/2003"},  // "c" leaves out midnight
        // "m" after an hour (letters between reset it; quoted text does not) is minutes.
        {"hh:mm mm", kSample, "14:05 02"},
        {"h 'and' mm", kSample, "14 and 05"},
        {"hxm", kSample, "14x2"},
        // Runs are case-sensitive; other letters are text.
        {"Dd mM", kSample, "11 22"},
        {"Week: x", kSample, "Week: x"},
        // 12-hour clock markers as written, the locale's strings for ampm, day names for aaa.
        {"h:nn AM/PM", kSample, "2:05 PM"},
        {"h:nn a/p", kSample, "2:05 p"},
        {"h:nn ampm", encodeTime(0, 5, 0, 0), "12:05 AM"},
        {"h am/pm", encodeTime(12, 5, 0, 0), "12 pm"},
        {"am/pm h", kSample, "pm 2"},
        {"hh \"am/pm\" nn", kSample, "14 am/pm 05"},
        {"aaa aaaa a", kSample, "Sat Saturday a"},
        {"\"unterminated", kSample, "unterminated"},
        // Values round to the millisecond first; days before 1899 keep the time as fraction.
        {"dd.mm.yyyy hh:nn:ss.zzz", 1.99999999999, "01.01.1900 00:00:00.000"},
        {"dd.mm.yyyy hh:nn", -1.25, "29.12.1899 06:00"},
        {"yyyy mmmm dddd", 3000000.0, "0000  "},  // no such date
    };
    for (const Case& c : cases) EXPECT_EQ(formatDateTime(c.picture, c.value, kEn), c.text) << c.picture;
    EXPECT_EQ(dateTimeToStr(kSample, kSl), "1.2.2003 14:05:09");
    EXPECT_EQ(dateToStr(kSample, kSl), "1.2.2003");
    EXPECT_EQ(timeToStr(kSample, kSl), "14:05:09");
    EXPECT_EQ(formatDateTime("dddd, d. mmmm", kSample, kSl), "sobota, 1. februar");
}

TEST(FormatDateTime, NamedFormatsNestOneLevel) {
    FormatSettings fs = kEn;
    fs.shortDateFormat = "d/m/yyyy (ddddd)";
    EXPECT_EQ(formatDateTime("c", encodeDate(2003, 2, 1), fs), "1/2/2003 ()");
}

TEST(DateTime, CalendarFunctions) {
    EXPECT_EQ(dayOfWeek(encodeDate(2000, 1, 1)), 7);
    EXPECT_EQ(dayOfWeek(encodeDate(2000, 1, 2)), 1);
    EXPECT_EQ(dayOfWeek(-1.5), 6);  // 29 December 1899, a Friday
    EXPECT_TRUE(isLeapYear(2000));
    EXPECT_FALSE(isLeapYear(1900));
    EXPECT_EQ(daysInMonth(2000, 2), 29);
    EXPECT_EQ(daysInMonth(1900, 2), 28);
    EXPECT_EQ(daysInMonth(2023, 13), 0);
    EXPECT_EQ(daysInMonth(2023, 0), 0);
    EXPECT_EQ(dayOf(kSample), 1);
    EXPECT_EQ(monthOf(kSample), 2);
    EXPECT_EQ(yearOf(kSample), 2003);
    const TimeParts t = decodeTime(kSample);
    EXPECT_EQ(t.hour * 10000000 + t.minute * 100000 + t.second * 1000 + t.msec, 140509007);
    EXPECT_EQ(incMonth(encodeDate(2004, 1, 31)), encodeDate(2004, 2, 29));
    EXPECT_EQ(incMonth(encodeDate(2004, 3, 31), -1), encodeDate(2004, 2, 29));
    EXPECT_EQ(incMonth(encodeDate(2003, 12, 15), 14), encodeDate(2005, 2, 15));
    EXPECT_EQ(incMonth(encodeDate(2003, 1, 15) + 0.5, -13), encodeDate(2001, 12, 15) + 0.5);
    EXPECT_THROW(encodeDate(2003, 2, 29), EConvertError);
    EXPECT_THROW(encodeTime(24, 0, 0, 0), EConvertError);
}

TEST(DateParse, DatesFollowTheShortDateOrder) {
    FormatSettings ymd = kEn;
    ymd.dateSeparator = "-";
    ymd.shortDateFormat = "yyyy-mm-dd";
    const int year = currentYear();
    // A two-digit year falls in the 50 years before the current one ... or the 49 after.
    const int base = year - 50;
    const int y03 = base / 100 * 100 + 3 < base ? base / 100 * 100 + 103 : base / 100 * 100 + 3;
    struct Case { const char* text; const FormatSettings* fs; double date; };
    const Case cases[] = {
        {"2/1/2003", &kEn, encodeDate(2003, 2, 1)},
        {" 2 / 1 / 2003 ", &kEn, encodeDate(2003, 2, 1)},
        {"1.2.2003", &kSl, encodeDate(2003, 2, 1)},
        {"1. 2. 2003", &kSl, encodeDate(2003, 2, 1)},
        {"1.2.2003.", &kSl, encodeDate(2003, 2, 1)},
        {"2003-02-01", &ymd, encodeDate(2003, 2, 1)},
        {"1.2.03", &kSl, encodeDate(y03, 2, 1)},
        {"1.2", &kSl, encodeDate(year, 2, 1)},
        {"29.2.2000", &kSl, encodeDate(2000, 2, 29)},
    };
    for (const Case& c : cases) EXPECT_EQ(tryStrToDate(c.text, *c.fs), c.date) << c.text;
    for (const char* bad : {"", "abc", "29.2.2001", "1.2.2003 x", "1/2/2003", "1.2.12345", "1..2003", "0.1.2003"})
        EXPECT_FALSE(tryStrToDate(bad, kSl)) << bad;
    EXPECT_TRUE(validDate("31.12.1999", kSl));
    EXPECT_FALSE(validDate("31.11.1999", kSl));
}

TEST(DateParse, TimesAndDateTimes) {
    struct Case { const char* text; const FormatSettings* fs; double value; };
    const Case cases[] = {
        {"14:05", &kSl, encodeTime(14, 5, 0, 0)},
        {"14", &kSl, encodeTime(14, 0, 0, 0)},
        {"14:05:09", &kSl, encodeTime(14, 5, 9, 0)},
        {"14:05:09,7", &kSl, encodeTime(14, 5, 9, 7)},  // the number after the separator counts milliseconds
        {"2:05 PM", &kEn, encodeTime(14, 5, 0, 0)},
        {"pm 2:05", &kEn, encodeTime(14, 5, 0, 0)},
        {"12:30 AM", &kEn, encodeTime(0, 30, 0, 0)},
        {"12:30 PM", &kEn, encodeTime(12, 30, 0, 0)},
    };
    for (const Case& c : cases) EXPECT_EQ(tryStrToTime(c.text, *c.fs), c.value) << c.text;
    for (const char* bad : {"", "25:00", "13:00 PM", "0:10 AM", "14:", "14:05:", "14.05"})
        EXPECT_FALSE(tryStrToTime(bad, kEn)) << bad;
    EXPECT_EQ(tryStrToDateTime("1.2.2003 14:05", kSl), encodeDate(2003, 2, 1) + encodeTime(14, 5, 0, 0));
    EXPECT_EQ(tryStrToDateTime("1.2.2003", kSl), encodeDate(2003, 2, 1));
    EXPECT_EQ(tryStrToDateTime("14:05", kSl), encodeTime(14, 5, 0, 0));
    EXPECT_FALSE(tryStrToDateTime("1.2.2003 14:05 x", kSl));
}

TEST(DateParse, ErrorsCarryThePlatformTexts) {
    struct Case { double (*parse)(std::string_view, const FormatSettings&); const char* text; };
    const Case cases[] = {
        {strToDate, "'32.1.2003' is not a valid date"},
        {strToTime, "'32.1.2003' is not a valid time"},
        {strToDateTime, "'32.1.2003' is not a valid date and time"},
    };
    for (const Case& c : cases) {
        try {
            c.parse("32.1.2003", kSl);
            ADD_FAILURE() << c.text;
        } catch (const EConvertError& e) {
            EXPECT_STREQ(e.what(), c.text);
        }
    }
}
