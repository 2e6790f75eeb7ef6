#include <gtest/gtest.h>

#include "core/date_time.h"
#include "core/error.h"
#include "core/number_text.h"
#include "core/variant.h"

using namespace lumaro;

TEST(Variant, EmptyAndNullAreDistinct) {
    Variant e;
    Variant n = Variant::null();
    EXPECT_TRUE(e.isEmpty());
    EXPECT_FALSE(e.isNull());
    EXPECT_TRUE(n.isNull());
    EXPECT_FALSE(e.identical(n));
    EXPECT_EQ(e.toString(), "");
    EXPECT_EQ(n.toString(), "");
}

TEST(Variant, TextOfEachClass) {
    ScopedFormatSettings sl(FormatSettings::slovenian());
    struct Case { Variant v; const char* text; };
    const Case cases[] = {
        {Variant(10), "10"},
        {Variant::shortInt(-5), "-5"},
        {Variant::smallInt(30000), "30000"},
        {Variant(2.5), "2,5"},
        {Variant::single(0.5f), "0,5"},
        {Variant::currency(12345), "1,2345"},
        {Variant(true), "True"},
        {Variant("čas"), "čas"},
        {Variant::date(encodeDate(2010, 5, 17)), "17.5.2010"},
        {Variant::date(encodeDate(2010, 5, 17) + encodeTime(13, 5, 0, 0)), "17.5.2010 13:05:00"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.v.toString(), c.text) << varTypeName(c.v.type());
}

TEST(Variant, NumericConversions) {
    EXPECT_EQ(Variant("12").toInt(), 12);
    EXPECT_EQ(Variant(7.5).toInt(), 8);   // half to even
    EXPECT_EQ(Variant(6.5).toInt(), 6);
    EXPECT_EQ(Variant(true).toInt(), -1);
    EXPECT_DOUBLE_EQ(Variant("1.5").toDouble(), 1.5);
    EXPECT_THROW(Variant("abc").toDouble(), EVariantError);
    EXPECT_THROW(Variant::null().toInt(), EVariantError);
    EXPECT_EQ(Variant::currencyFromDouble(1.23456).rawCurrency(), 12346);
}

TEST(Variant, ArraysHaveValueSemantics) {
    Variant a = Variant::arrayWithBounds({{1, 3}});
    a.at({2}) = Variant("x");
    Variant b = a;
    b.at({2}) = Variant("y");
    EXPECT_EQ(a.at({2}).toString(), "x");
    EXPECT_EQ(b.at({2}).toString(), "y");
    EXPECT_EQ(a.arrayLow(), 1);
    EXPECT_EQ(a.arrayHigh(), 3);
    EXPECT_THROW(a.at({4}), EVariantError);
    Variant m = Variant::arrayWithBounds({{0, 1}, {0, 2}});
    m.at({1, 2}) = Variant(5);
    EXPECT_EQ(m.at({1, 2}).toInt(), 5);
}

TEST(NumberText, GeneralFloatFormat) {
    struct Case { double v; const char* text; };
    const Case cases[] = {
        {0, "0"}, {1, "1"}, {-2.5, "-2.5"}, {0.1, "0.1"}, {1.0 / 3, "0.333333333333333"},
        {123456789012345.0, "123456789012345"}, {1e15, "1E15"}, {1e20, "1E20"},
        {0.0001, "0.0001"}, {0.00001, "1E-5"}, {1.5e-7, "1.5E-7"}, {3.77953, "3.77953"},
    };
    for (const auto& c : cases) EXPECT_EQ(floatToStr(c.v, FormatSettings::english()), c.text) << c.v;
}

TEST(NumberText, ParsingHonoursTheDecimalSeparator) {
    EXPECT_EQ(tryStrToFloat(" 1,5 ", FormatSettings::slovenian()), 1.5);
    EXPECT_FALSE(tryStrToFloat("1.5", FormatSettings::slovenian()));
    EXPECT_EQ(tryStrToInt("$FF"), 255);
    EXPECT_EQ(tryStrToInt("$FFFFFFFF"), -1);
    EXPECT_FALSE(tryStrToInt("3000000000"));
    EXPECT_FALSE(tryStrToInt("12 "));
}

TEST(DateTime, EncodeDecodeRoundTrip) {
    EXPECT_EQ(encodeDate(1899, 12, 30), 0);
    EXPECT_EQ(encodeDate(2010, 5, 17), 40315);
    const DateParts d = decodeDate(40315);
    EXPECT_EQ(d.year, 2010);
    EXPECT_EQ(d.month, 5);
    EXPECT_EQ(d.day, 17);
    EXPECT_EQ(dayOfWeek(40315), 2);  // Monday
    for (double day : {-500.0, 0.0, 1.0, 59.0, 60.0, 36525.0, 73050.0})
        EXPECT_EQ(encodeDate(decodeDate(day).year, decodeDate(day).month, decodeDate(day).day), day);
}
