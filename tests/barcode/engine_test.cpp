// The engine as callers see it: the type table, defaults, copying, and what encoding writes
// back into its properties.
#include <gtest/gtest.h>

#include "barcode_support.h"
#include "gfx/display_list.h"

using namespace lumaro;
using lumaro::testing::makeBarcode;
using lumaro::testing::Settings;

namespace {

TEST(BarcodeTypes, FixedOrderWithNamesAndDisplayNames) {
    const char* const expected[kBarcodeTypeCount][2] = {
        {"bcCode_2_5_interleaved", "2_5_interleaved"}, {"bcCode_2_5_industrial", "2_5_industrial"},
        {"bcCode_2_5_matrix", "2_5_matrix"},           {"bcCode39", "Code39"},
        {"bcCode39Extended", "Code39 Extended"},       {"bcCode128A", "Code128A"},
        {"bcCode128B", "Code128B"},                    {"bcCode128C", "Code128C"},
        {"bcCode93", "Code93"},                        {"bcCode93Extended", "Code93 Extended"},
        {"bcCodeMSI", "MSI"},                          {"bcCodePostNet", "PostNet"},
        {"bcCodeCodabar", "Codebar"},                  {"bcCodeEAN8", "EAN8"},
        {"bcCodeEAN13", "EAN13"},                      {"bcCodeUPC_A", "UPC_A"},
        {"bcCodeUPC_E0", "UPC_E0"},                    {"bcCodeUPC_E1", "UPC_E1"},
        {"bcCodeUPC_Supp2", "UPC Supp2"},              {"bcCodeUPC_Supp5", "UPC Supp5"},
        {"bcCodeEAN128A", "EAN128A"},                  {"bcCodeEAN128B", "EAN128B"},
        {"bcCodeEAN128C", "EAN128C"},                  {"bcCode128", "Code128"},
        {"bcCodeEAN128", "EAN128"},
    };
    for (int i = 0; i < kBarcodeTypeCount; ++i) {
        const auto type = static_cast<TfrxBarcodeType>(i);
        ASSERT_NE(symbologyInfo(type), nullptr);
        EXPECT_STREQ(symbologyInfo(type)->name, expected[i][0]);
        EXPECT_STREQ(symbologyInfo(type)->displayName, expected[i][1]);
        EXPECT_EQ(barcodeTypeFromName(expected[i][0]), type);
        EXPECT_EQ(barcodeTypeFromName(expected[i][1]), type);
    }
    EXPECT_EQ(barcodeTypeFromName("BCCODEEAN128C"), bcCodeEAN128C);
    EXPECT_EQ(barcodeTypeFromName("code39 extended"), bcCode39Extended);
    EXPECT_EQ(barcodeTypeFromName("Code 39"), std::nullopt);
    EXPECT_EQ(barcodeTypeFromName("code128"), bcCode128);
    EXPECT_EQ(barcodeTypeFromName("ean128"), bcCodeEAN128);
    EXPECT_EQ(symbologyInfo(static_cast<TfrxBarcodeType>(-1)), nullptr);
    EXPECT_EQ(symbologyInfo(static_cast<TfrxBarcodeType>(kBarcodeTypeCount)), nullptr);
}

TEST(Barcode, Defaults) {
    TfrxBarcode b;
    EXPECT_EQ(b.Text(), "");
    EXPECT_EQ(b.Modul(), 1);
    EXPECT_EQ(b.Ratio(), 2.0);
    EXPECT_EQ(b.Typ(), bcCodeEAN13);
    EXPECT_FALSE(b.Checksum());
    EXPECT_EQ(b.CheckSumMethod(), csmModulo10);
    EXPECT_EQ(b.Angle(), 0);
    EXPECT_EQ(b.Height(), 0);
    EXPECT_EQ(b.Color(), clWhite);
    EXPECT_EQ(b.ColorBar(), clBlack);
}

// Reading the width and painting each encode the text; the completed text must not be
// completed a second time (a second check digit, a second "0").
TEST(Barcode, EncodingAgainGivesTheSameCode) {
    struct Case {
        TfrxBarcodeType type;
        const char* text;
    } cases[] = {
        {bcCodeEAN128C, "0012345678901234567"}, {bcCodeEAN128C, "001234567890123456"},
        {bcCodeEAN128B, "0012345678901234567"}, {bcCode128C, "123"},
        {bcCodeEAN13, "590123412345"},          {bcCodeEAN8, "9638507"},
        {bcCodeUPC_A, "03600029145"},           {bcCodeUPC_E0, "123456"},
        {bcCodeUPC_Supp5, "12345"},             {bcCodeUPC_Supp2, "12"},
        {bcCode_2_5_interleaved, "123"},
    };
    for (const auto& c : cases) {
        TfrxBarcode b = makeBarcode(c.type, c.text, Settings{.checksum = true});
        const std::string first = b.BuildPattern();
        const std::string text = b.Text();
        const int32_t width = b.Width();
        DisplayList target;
        b.PaintTo(target, RectF{0, 0, 200, 100}, true);
        EXPECT_EQ(b.BuildPattern(), first) << c.text;
        EXPECT_EQ(b.Text(), text) << c.text;
        EXPECT_EQ(b.Width(), width) << c.text;
    }
}

TEST(Barcode, ExtendedTypesKeepTheTextAsTyped) {
    for (TfrxBarcodeType type : {bcCode39Extended, bcCode93Extended}) {
        TfrxBarcode b = makeBarcode(type, "Lot a-1\x01");
        b.BuildPattern();
        EXPECT_EQ(b.Text(), "Lot a-1\x01");
    }
}

TEST(Barcode, FailureKeepsWhatWasWritten) {
    TfrxBarcode b = makeBarcode(bcCodeEAN13, "  12a ", Settings{.ratio = 5});
    EXPECT_THROW(b.BuildPattern(), EBarcodeError);
    EXPECT_EQ(b.Text(), "12a");
    EXPECT_EQ(b.Ratio(), 3.0);
}

TEST(Barcode, AssignCopiesEverySetting) {
    TfrxBarcode src = makeBarcode(bcCodeEAN128C, "0012345678901234567",
                                  Settings{.checksum = true, .method = csmNone, .ratio = 2.5, .modul = 2});
    src.SetAngle(90);
    src.SetHeight(33);
    src.SetColor(clYellow);
    src.SetColorBar(clNavy);
    TfrxBarcode dst;
    dst.Assign(&src);
    EXPECT_EQ(dst.Typ(), bcCodeEAN128C);
    EXPECT_EQ(dst.Text(), "0012345678901234567");
    EXPECT_TRUE(dst.Checksum());
    EXPECT_EQ(dst.CheckSumMethod(), csmNone);
    EXPECT_EQ(dst.Ratio(), 2.5);
    EXPECT_EQ(dst.Modul(), 2);
    EXPECT_EQ(dst.Angle(), 90);
    EXPECT_EQ(dst.Height(), 33);
    EXPECT_EQ(dst.Color(), clYellow);
    EXPECT_EQ(dst.ColorBar(), clNavy);
    EXPECT_EQ(dst.BuildPattern(), src.BuildPattern());

    const Object unrelated;
    dst.Assign(&unrelated);
    dst.Assign(nullptr);
    EXPECT_EQ(dst.Modul(), 2);
}

TEST(Barcode, AppendCheckDigit) {
    TfrxBarcode b;
    // The SSCC (00) 106141411234567897 of the GS1 examples; the leading "00" adds nothing.
    EXPECT_EQ(b.AppendCheckDigit("0010614141123456789"), "00106141411234567897");
    EXPECT_EQ(b.AppendCheckDigit("10614141123456789"), "106141411234567897");
    EXPECT_EQ(b.AppendCheckDigit(""), "0");
    try {
        b.AppendCheckDigit("12x");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.message(), "'x' is not a valid integer value");
    }
    // The character named is the first one that is not a digit, a whole UTF-8 sequence or
    // one stray byte.
    const std::pair<const char*, const char*> named[] = {
        {"1x2y", "'x'"}, {"1\xC4\x8D", "'\xC4\x8D'"}, {"\xE0\x94\x94", "'\xE0'"}, {"\xC4", "'\xC4'"}};
    for (const auto& [digits, quoted] : named) {
        try {
            b.AppendCheckDigit(digits);
            FAIL() << digits;
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.message(), std::string(quoted) + " is not a valid integer value");
        }
    }
    b.SetCheckSumMethod(csmNone);
    EXPECT_EQ(b.AppendCheckDigit("12x"), "12x");
}

}  // namespace
