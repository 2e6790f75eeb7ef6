#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/error.h"
#include "core/format_float.h"
#include "core/number_text.h"
#include "core/variant.h"

using namespace lumaro;

namespace {
const FormatSettings kEn = FormatSettings::english();
const FormatSettings kSl = FormatSettings::slovenian();
}  // namespace

TEST(FormatFloat, PictureLanguage) {
    struct Case { const char* picture; double value; const char* english; };
    const Case cases[] = {
        {"000000", 42, "000042"},
        {"#,##0.00", 1234.5, "1,234.50"},
        {"#,##0.00", -1234567.891, "-1,234,567.89"},
        {"0.00", 0.125, "0.13"},             // half away from zero
        {"0.00", -0.125, "-0.13"},
        {"0.00", 2.675, "2.67"},             // stored as 2.67499999999999982...
        {"0", 2.5, "3"},
        {"0", -2.5, "-3"},
        {"#.##", 0.5, ".5"},
        {"0.##", 1, "1"},
        {"0.", 5, "5"},
        {"#", 0, ""},
        {"000-000", 1234567, "1234-567"},     // the first place takes the extra digits
        {"0.0,0", 123456, "123,456.00"},      // a comma anywhere groups thousands
        {"\"EUR \"#,##0.00", 1234.5, "EUR 1,234.50"},
        {"#,##0.00 'kg'", 12.5, "12.50 kg"},
        {"0 %", 15, "15 %"},                 // no percent scaling
        {"0.00E+00", 12345, "1.23E+04"},
        {"0.00E-00", 12345, "1.23E04"},
        {"0.00e+0000000", 1e100, "1.00e+0100"},  // at most four exponent digits
        {"##0.0E+0", 12345, "123.5E+2"},
        {"0.00E+00", 0, "0.00E+00"},
        {"0.00E+00", 9.999, "1.00E+01"},
        {"0.0E", 5, "5.0E"},                 // E without a sign is text
        // Sections: positive; negative; zero.
        {"0.00;(0.00)", -5, "(5.00)"},
        {"0.00;(0.00);'nic'", 0, "nic"},
        {"0.00;;'nic'", -5, "-5.00"},         // an empty section means the positive one
        {"0.00;(0.00);'nic'", -0.001, "nic"},  // rounds to zero: the zero section
        {"0.00", -0.001, "-0.00"},            // ... or the sign stays without one
        {"0.00;(0.00)", -0.001, "(0.00)"},
        {"#.##", 0.001, ""},
        // General format for an empty picture, an empty positive section, 18 integer digits.
        {"", 1.5, "1.5"},
        {";0", 1.5, "1.5"},
        {"0", 1e17, "1E17"},
        {"0", 123456789012345678.0, "1.23456789012346E17"},
        {"0.0", std::numeric_limits<double>::quiet_NaN(), "NAN"},
        {"0.0", -std::numeric_limits<double>::infinity(), "-INF"},
        {"0.0000000000000000000", 0.1, "0.1000000000000000100"},  // 17 significant digits
    };
    for (const Case& c : cases) EXPECT_EQ(formatFloat(c.picture, c.value, kEn), c.english) << c.picture << " " << c.value;
    EXPECT_EQ(formatFloat("#,##0.00", 1234.5, kSl), "1.234,50");
}

TEST(FormatFloat, UsesProcessSettingsByDefault) {
    ScopedFormatSettings sl(kSl);
    EXPECT_EQ(formatFloat("#,##0.00", 1234.5), "1.234,50");
    EXPECT_EQ(floatToStr(0.5), "0,5");
}

// Beyond the cases of NumberText.GeneralFloatFormat: rounding at 15 digits and special values.
TEST(FloatToStr, RoundsToFifteenDigitsAndNamesSpecialValues) {
    struct Case { double value; const char* text; };
    const Case cases[] = {
        {-0.0, "0"}, {2.0 / 3, "0.666666666666667"}, {999999999999999.0, "999999999999999"},
        {9999999999999999.0, "1E16"}, {123456789012345678.0, "1.23456789012346E17"},
        {1.7976931348623157e308, "1.79769313486232E308"}, {0.30000000000000004, "0.3"},
        {std::numeric_limits<double>::quiet_NaN(), "NAN"}, {std::numeric_limits<double>::infinity(), "INF"},
        {-std::numeric_limits<double>::infinity(), "-INF"},
    };
    for (const Case& c : cases) EXPECT_EQ(floatToStr(c.value, kEn), c.text) << c.value;
}

TEST(FloatToStrF, FiveFormats) {
    struct Case { double value; FloatFormat format; int precision, digits; const char* text; };
    const Case cases[] = {
        {1234.5, FloatFormat::General, 2, 0, "1.2E3"},
        {1234.5, FloatFormat::General, 2, 3, "1.2E003"},
        {1e-7, FloatFormat::General, 15, 4, "1E-0007"},
        {1234.5, FloatFormat::Exponent, 4, 0, "1.235E+3"},
        {1234.5, FloatFormat::Exponent, 15, 3, "1.23450000000000E+003"},
        {0, FloatFormat::Exponent, 4, 2, "0.000E+00"},
        {1234.5, FloatFormat::Fixed, 15, 2, "1234.50"},
        {-0.004, FloatFormat::Fixed, 15, 2, "0.00"},
        {2.5, FloatFormat::Fixed, 15, 0, "3"},
        {987654321.125, FloatFormat::Fixed, 10, 4, "987654321.1000"},  // ten significant digits
        {1e20, FloatFormat::Fixed, 15, 2, "1E20"},                   // more integer digits than precision
        {12345678, FloatFormat::Number, 15, 2, "12,345,678.00"},
        {-1234.5, FloatFormat::Currency, 15, 2, "($1,234.50)"},
        {1234.5, FloatFormat::Currency, 15, 0, "$1,235"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(floatToStrF(c.value, c.format, c.precision, c.digits, kEn), c.text) << c.value;
    // Slovenian currency: "1.234,50 €" and "-1.234,50 €".
    EXPECT_EQ(floatToStrF(1234.5, FloatFormat::Currency, 15, 2, kSl), "1.234,50 €");
    EXPECT_EQ(floatToStrF(-1234.5, FloatFormat::Currency, 15, 2, kSl), "-1.234,50 €");
}

TEST(Currency, TextBothWaysIsExact) {
    EXPECT_EQ(currToStr(9223372036854775807, kEn), "922337203685477.5807");
    EXPECT_EQ(currToStr(-5000, kEn), "-0.5");
    EXPECT_EQ(currToStr(12345678, kSl), "1234,5678");
    EXPECT_EQ(formatCurr("#,##0.00", 12345678, kEn), "1,234.57");
    EXPECT_EQ(formatCurr("0.0000", -9223372036854775807, kEn), "-922337203685477.5807");
    struct Case { const char* text; int64_t scaled; };
    const Case cases[] = {
        {"1234.5678", 12345678}, {" -0.5 ", -5000}, {"1.00005", 10000}, {"1.00015", 10002},  // half to even
        {"1.000051", 10001}, {"1e3", 10000000}, {"922337203685477.5807", 9223372036854775807},
        {"-922337203685477.5808", std::numeric_limits<int64_t>::min()}, {"0.00001e-200", 0},
    };
    for (const Case& c : cases) EXPECT_EQ(strToCurr(c.text, kEn), c.scaled) << c.text;
    for (const char* bad : {"922337203685477.5808", "1e20", "abc", "1,5", ""}) EXPECT_FALSE(tryStrToCurr(bad, kEn)) << bad;
    try {
        strToCurr("1,5", kEn);
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_STREQ(e.what(), "'1,5' is not a valid floating point value");
    }
}

TEST(NumberText, HexDefaultsAndValidity) {
    EXPECT_EQ(intToHex(255, 4), "00FF");
    EXPECT_EQ(intToHex(-1, 2), "FFFFFFFF");
    EXPECT_EQ(intToHex(int64_t(-1), 2), "FFFFFFFFFFFFFFFF");
    EXPECT_EQ(intToHex(0, 0), "0");
    EXPECT_EQ(strToIntDef("12x", -1), -1);
    EXPECT_EQ(strToIntDef("$1F", -1), 31);
    EXPECT_EQ(strToFloatDef("2,5", 0, kSl), 2.5);
    EXPECT_TRUE(validInt(" 42"));
    EXPECT_FALSE(validInt("4 2"));
    EXPECT_TRUE(validFloat("1.5e3", kEn));
    EXPECT_FALSE(validFloat("1.5", kSl));
}

TEST(NumberText, RoundTruncIntFrac) {
    // Round ties to the even neighbour; IntToStr of a float rounds the same way.
    struct Case { double value; int round, trunc; };
    const Case cases[] = {{12.5, 12, 12}, {13.5, 14, 13}, {12.7, 13, 12}, {-2.5, -2, -2}, {-12.7, -13, -12},
                          {2147483647.4, 2147483647, 2147483647}, {-2147483648.0, -2147483647 - 1, -2147483647 - 1}};
    for (const Case& c : cases) {
        EXPECT_EQ(roundToInt(c.value), c.round) << c.value;
        EXPECT_EQ(truncToInt(c.value), c.trunc) << c.value;
    }
    EXPECT_EQ(intToStr(Variant(12.7).toInt()), "13");
    EXPECT_EQ(intToStr(Variant(12.5).toInt()), "12");
    EXPECT_EQ(intPart(-3.75), -3.0);
    EXPECT_EQ(fracPart(-3.75), -0.75);
    EXPECT_THROW(roundToInt(2147483648.0), EIntOverflow);
    EXPECT_THROW(truncToInt(-3e9), EIntOverflow);
    try {
        roundToInt(std::numeric_limits<double>::quiet_NaN());
        FAIL();
    } catch (const EInvalidOp& e) {
        EXPECT_STREQ(e.what(), "Invalid floating point operation");
    }
}
