#include <gtest/gtest.h>

#include "app/numeric_text.h"

using namespace lumaro;

namespace {
const FormatSettings sl = FormatSettings::slovenian();  // "," decimals, "." thousands
const FormatSettings en = FormatSettings::english();    // "." decimals, "," thousands
}  // namespace

TEST(NumericText, DisplayTextGroupsThousandsWithoutDecimals) {
    struct Case {
        double value;
        const char* sl;
        const char* en;
    };
    const Case cases[] = {
        {0, "0", "0"},          {10, "10", "10"},       {1234, "1.234", "1,234"},
        {999, "999", "999"},    {1000, "1.000", "1,000"}, {1234567.4, "1.234.567", "1,234,567"},
        {2.5, "3", "3"},        // halves round away from zero
        {-1234, "-1.234", "-1,234"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(numericDisplayText(c.value, sl), c.sl) << c.value;
        EXPECT_EQ(numericDisplayText(c.value, en), c.en) << c.value;
    }
}

TEST(NumericText, EditTextHasAtMostTwoDecimalsAndIsEmptyForZero) {
    struct Case {
        double value;
        const char* sl;
    };
    const Case cases[] = {
        {0, ""}, {10, "10"}, {1234, "1234"}, {1.5, "1,5"}, {2.125, "2,13"}, {0.001, "0"}, {-3.25, "-3,25"}, {8, "8"},
    };
    for (const auto& c : cases) EXPECT_EQ(numericEditText(c.value, sl), c.sl) << c.value;
    EXPECT_EQ(numericEditText(1.5, en), "1.5");
}

TEST(NumericText, TypedTextMustStayANumber) {
    struct Case {
        const char* text;
        bool allowMinus;
        bool ok;
    };
    const Case cases[] = {
        {"", false, true},      {"12", false, true},   {"12,", false, true},   {"12,5", false, true},
        {"12,55", false, true}, {"12,555", false, false}, {",5", false, true},  {"1,2,3", false, false},
        {"12.5", false, false}, {"1a", false, false},  {" 1", false, false},   {"-", true, true},
        {"-4,2", true, true},   {"-4", false, false},  {"4-", true, false},    {"--4", true, false},
    };
    for (const auto& c : cases) EXPECT_EQ(isAcceptableNumericInput(c.text, c.allowMinus, sl), c.ok) << c.text;
    EXPECT_TRUE(isAcceptableNumericInput("12.5", false, en));
}

TEST(NumericText, ValueOfTypedText) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {{"", 0}, {"-", 0}, {",", 0}, {"12", 12}, {"12,", 12}, {",5", 0.5}, {"-4,25", -4.25}, {"9", 9}};
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(numericValueOfText(c.text, sl), c.value) << c.text;
}

TEST(NumericText, RangeMessageWritesBoundsWithTwoDecimals) {
    EXPECT_EQ(numericRangeMessage(1, 8, sl), "Value must be between 1,00 and 8,00");
    EXPECT_EQ(numericRangeMessage(1, 8, en), "Value must be between 1.00 and 8.00");
}
