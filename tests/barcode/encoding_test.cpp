// Text completion, check digits, ratio handling and element patterns, one table of cases.
// Module strings marked "zint" were taken from `zint --dump` (Debian zint 2.11) for the same
// data; tests/cli compares many more texts with zint live.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "barcode_support.h"
#include "support/case_name.h"

using namespace lumaro;
using lumaro::testing::makeBarcode;
using lumaro::testing::modulesOf;
using lumaro::testing::NameFromWhat;
using lumaro::testing::Settings;

namespace {

struct Case {
    std::string what;
    TfrxBarcodeType type;
    std::string text;
    Settings settings = {};
    // Expectations; empty or negative ones are not checked.
    std::string textAfter = {};
    int width = -1;
    std::string error = {};
    std::string modules = {};
    std::optional<std::string> samePatternAs = {};  // a text of the same type and settings
    std::optional<double> ratioAfter = {};
    std::optional<std::array<int, 4>> widths = {};
};

std::ostream& operator<<(std::ostream& os, const Case& c) { return os << c.what; }

const Settings kChecksum{.checksum = true};
const Settings kChecksumNone{.checksum = true, .method = csmNone};
Settings ratio(double r) { return Settings{.ratio = r}; }

const std::string kSsccModules =  // zint -b 16 --gs1 "[00]123456789012345675"
    "110100111001111010111011011001100101100111001000101100011100010110110000101001101111011010110011100100"
    "010110001110001011011000010010101101110001100011101011";
const std::string kCode93Modules =  // zint -b 25 "ABCDEFGHIJKLMNOPQRSTUVWXY": C restarts after 20, K after 15
    "101011110110101000110100100110100010110010100110010010110001010101101000101100100101100010100110100100"
    "011010101011000101001100101000110100101100100010110110110100110110010110101100110100110110010110110011"
    "0101011011001011001101001101101110110101010110001010111101";
const std::string kUpcEModules =  // zint -b 37 "01234565"
    "101011001100100110111101001110101110010101111010101";
const std::string kCode39ExtendedModules =  // zint -b 9 "ab": "+A+B"
    "10010110110101001010010010110101001011010010100100101011010010110100101101101";
const std::string kMsiModules =  // zint -b 47 --vers=1 "123": check digit from the right, 0
    "1101001001001101001001101001001001101101001001001001001";

const Case kCases[] = {
    // GS1-128, the SSCC of the labels
    {.what = "SSCC: 00 and 17 digits get the check digit, 156 modules",
     .type = bcCodeEAN128C, .text = "0012345678901234567", .settings = kChecksum,
     .textAfter = "00123456789012345675", .width = 156, .modules = kSsccModules},
    {.what = "SSCC of 16 digits: 19 digits after the check digit, a 0 in front",
     .type = bcCodeEAN128C, .text = "001234567890123456", .settings = kChecksum,
     .textAfter = "00012345678901234560", .width = 156},
    {.what = "application identifier in parentheses is not numeric",
     .type = bcCodeEAN128C, .text = "(00)12345678901234567", .settings = kChecksum,
     .error = "Barcode must be numeric"},
    {.what = "numeric types trim blanks", .type = bcCodeEAN128C, .text = " 0012345678901234567\t",
     .settings = kChecksum, .textAfter = "00123456789012345675", .width = 156},
    {.what = "GS1 set B check digit over a letter", .type = bcCodeEAN128B, .text = "12A",
     .settings = kChecksum, .error = "'A' is not a valid integer value"},
    {.what = "GS1 set B without check digit takes letters", .type = bcCodeEAN128B, .text = "12A",
     .textAfter = "12A", .width = 11 * 6 + 13},
    // Code 128, one code set
    {.what = "set C: odd length gets a 0 in front", .type = bcCode128C, .text = "123", .textAfter = "0123",
     .width = 11 * 4 + 13},
    {.what = "set C: a pair that is not two digits is encoded as 00", .type = bcCode128C, .text = "12A4",
     .textAfter = "12A4", .samePatternAs = "1200"},
    {.what = "set C: two blanks are no code set switch but 00", .type = bcCode128C, .text = "12  ",
     .samePatternAs = "1200"},
    {.what = "set B: a character above 126 is a space", .type = bcCode128B, .text = "A\xC3\xA9\x7F" "B",
     .textAfter = "A\xC3\xA9\x7F" "B", .samePatternAs = "A  B"},
    {.what = "set A: lower case is a space", .type = bcCode128A, .text = "AbC", .samePatternAs = "A C"},
    // Code 128 and GS1-128 choosing their code sets: widths are 11 modules per symbol (start,
    // data, switches, check) and 13 for the stop; tests/cli compares the modules with zint
    {.what = "automatic set C for an even run of digits", .type = bcCode128, .text = "12345678",
     .textAfter = "12345678", .width = 11 * 6 + 13},
    {.what = "automatic odd run of digits: one digit in set B", .type = bcCode128, .text = "1234567",
     .width = 11 * 7 + 13},
    {.what = "automatic four digits inside letters stay in set B", .type = bcCode128, .text = "AB1234CD",
     .width = 11 * 10 + 13},
    {.what = "automatic six digits inside letters go to set C", .type = bcCode128, .text = "AB123456CD",
     .width = 11 * 11 + 13},
    {.what = "automatic set A for capitals with control characters", .type = bcCode128, .text = "A\tB",
     .width = 11 * 5 + 13},
    {.what = "automatic shift for one control character among small letters", .type = bcCode128,
     .text = "abc\tdef", .width = 11 * 10 + 13},
    {.what = "automatic latch for three control characters", .type = bcCode128, .text = "ab\t\t\tcd",
     .width = 11 * 11 + 13},
    {.what = "automatic Code 128 ignores Checksum", .type = bcCode128, .text = "AB12", .settings = kChecksum,
     .textAfter = "AB12", .samePatternAs = "AB12"},
    {.what = "automatic Code 128 refuses characters outside ASCII", .type = bcCode128, .text = "Lot \xC3\xA9",
     .error = "TfrxBarcode:Code128 bad Data <Lot \xC3\xA9>"},
    {.what = "automatic Code 128 of nothing: start, check and stop", .type = bcCode128, .text = "",
     .width = 11 * 2 + 13},
    {.what = "GS1-128 SSCC with identifier: the same code as EAN128C", .type = bcCodeEAN128,
     .text = "(00)12345678901234567", .settings = kChecksum, .textAfter = "(00)123456789012345675", .width = 156,
     .modules = kSsccModules},
    {.what = "GS1-128 SSCC without identifier, check digit as EAN128C", .type = bcCodeEAN128,
     .text = "0012345678901234567", .settings = kChecksum, .textAfter = "00123456789012345675",
     .modules = kSsccModules},
    {.what = "GS1-128 SSCC with its check digit is kept", .type = bcCodeEAN128, .text = "(00)123456789012345675",
     .settings = kChecksum, .textAfter = "(00)123456789012345675", .modules = kSsccModules},
    {.what = "GS1-128 without Checksum takes the data as given", .type = bcCodeEAN128,
     .text = "(00)123456789012345678", .textAfter = "(00)123456789012345678", .width = 156},
    {.what = "GS1-128 check digits of a GTIN and a GLN", .type = bcCodeEAN128,
     .text = "(01)0950110153000(414)950110153000", .settings = kChecksum,
     .textAfter = "(01)09501101530003(414)9501101530003"},
    {.what = "GS1-128 FNC1 after variable-length data", .type = bcCodeEAN128, .text = "(10)AB(21)12",
     .samePatternAs = "(10)AB(21)12"},
    {.what = "GS1-128 GS stands for FNC1 in the plain form", .type = bcCodeEAN128, .text = "10AB\x1D" "2112",
     .samePatternAs = "(10)AB(21)12"},
    {.what = "GS1-128 plain form with Checksum over a letter", .type = bcCodeEAN128, .text = "12A",
     .settings = kChecksum, .error = "'A' is not a valid integer value"},
    {.what = "GS1-128 wrong check digit", .type = bcCodeEAN128, .text = "(00)123456789012345678",
     .settings = kChecksum, .error = "Invalid check digit in the GS1 data of (00)"},
    {.what = "GS1-128 data of a predefined length too short", .type = bcCodeEAN128, .text = "(17)2405(10)A",
     .error = "The GS1 data of (17) must have 6 digits"},
    {.what = "GS1-128 predefined length needs digits", .type = bcCodeEAN128, .text = "(11)24O101",
     .error = "The GS1 data of (11) must have 6 digits"},
    {.what = "GS1-128 check digit missing without Checksum", .type = bcCodeEAN128, .text = "(00)12345678901234567",
     .error = "The GS1 data of (00) must have 18 digits"},
    {.what = "GS1-128 Checksum with csmNone adds nothing", .type = bcCodeEAN128, .text = "(00)12345678901234567",
     .settings = kChecksumNone, .error = "The GS1 data of (00) must have 18 digits"},
    {.what = "GS1-128 identifier of letters", .type = bcCodeEAN128, .text = "(0a)1",
     .error = "Invalid GS1 application identifier (0a)"},
    {.what = "GS1-128 identifier of five digits", .type = bcCodeEAN128, .text = "(10000)1",
     .error = "Invalid GS1 application identifier (10000)"},
    {.what = "GS1-128 identifier without its closing parenthesis", .type = bcCodeEAN128, .text = "(10)A(21",
     .error = "Invalid GS1 application identifier (21)"},
    {.what = "GS1-128 identifier of the wrong length for its prefix", .type = bcCodeEAN128,
     .text = "(310)0001234", .error = "Invalid GS1 application identifier (310)"},
    {.what = "GS1-128 identifier without data", .type = bcCodeEAN128, .text = "(10)(21)1",
     .error = "No data after the GS1 application identifier (10)"},
    {.what = "GS1-128 blank is no GS1 character", .type = bcCodeEAN128, .text = "(10)LOT 7",
     .error = "Invalid character in the GS1 data of (10)"},
    // EAN-13
    {.what = "EAN-13 of 12 digits gets its check digit", .type = bcCodeEAN13, .text = "590123412345",
     .settings = kChecksum, .textAfter = "5901234123457", .width = 95},
    {.what = "EAN-13 of 13 digits with the right check digit", .type = bcCodeEAN13, .text = "5901234123457",
     .settings = kChecksum, .textAfter = "5901234123457", .width = 95},
    {.what = "EAN-13 of 13 digits with a wrong check digit", .type = bcCodeEAN13, .text = "5901234123458",
     .settings = kChecksum, .error = "Invalid check digit (EAN13)"},
    {.what = "EAN-13 without Checksum is encoded as given", .type = bcCodeEAN13, .text = "5901234123458",
     .textAfter = "5901234123458", .width = 95},
    {.what = "EAN-13 with Checksum and csmNone", .type = bcCodeEAN13, .text = "590123412345",
     .settings = kChecksumNone, .error = "Invalid Text len (EAN13)"},
    {.what = "EAN-13 padded with zeros", .type = bcCodeEAN13, .text = "12345", .settings = kChecksum,
     .textAfter = "0000000123457"},
    {.what = "EAN-13 longer than 13 digits", .type = bcCodeEAN13, .text = "59012341234570",
     .settings = kChecksum, .error = "Invalid Text len (EAN13)"},
    // EAN-8
    {.what = "EAN-8 of 7 digits gets its check digit", .type = bcCodeEAN8, .text = "9638507",
     .settings = kChecksum, .textAfter = "96385074", .width = 67},
    {.what = "EAN-8 of 8 digits keeps all of them", .type = bcCodeEAN8, .text = "96385074",
     .settings = kChecksum, .textAfter = "96385074", .width = 67},
    {.what = "EAN-8 of 8 digits with a wrong check digit", .type = bcCodeEAN8, .text = "12345678",
     .settings = kChecksum, .error = "Invalid check digit (EAN8)"},
    {.what = "EAN-8 longer than 8 digits", .type = bcCodeEAN8, .text = "123456789",
     .error = "Invalid Text len (EAN8)"},
    // UPC-A
    {.what = "empty UPC-A is twelve zeros", .type = bcCodeUPC_A, .text = "", .textAfter = "000000000000",
     .width = 95},
    {.what = "UPC-A of 11 digits keeps all of them and gets its check digit", .type = bcCodeUPC_A,
     .text = "03600029145", .settings = kChecksum, .textAfter = "036000291452", .width = 95},
    {.what = "UPC-A of 12 digits with a wrong check digit", .type = bcCodeUPC_A, .text = "036000291453",
     .settings = kChecksum, .error = "Invalid check digit (UPC_A)"},
    {.what = "UPC-A longer than 12 digits", .type = bcCodeUPC_A, .text = "0360002914521",
     .error = "Invalid Text len (UPC_A)"},
    {.what = "UPC-A with Checksum and csmNone", .type = bcCodeUPC_A, .text = "03600029145",
     .settings = kChecksumNone, .error = "Invalid Text len (UPC_A)"},
    // UPC-E: the check digit is that of the UPC-A number the six digits stand for
    {.what = "UPC-E0 check digit from the zero-suppressed number", .type = bcCodeUPC_E0, .text = "123456",
     .settings = kChecksum, .textAfter = "1234565", .width = 51, .modules = kUpcEModules},
    {.what = "UPC-E1 check digit from the zero-suppressed number", .type = bcCodeUPC_E1, .text = "123456",
     .settings = kChecksum, .textAfter = "1234562", .width = 51},
    {.what = "UPC-E with a wrong check digit", .type = bcCodeUPC_E0, .text = "1234567", .settings = kChecksum,
     .error = "Invalid check digit (UPC_E0)"},
    {.what = "UPC-E longer than 7 digits", .type = bcCodeUPC_E0, .text = "01234565",
     .error = "Invalid Text len (UPC_E0)"},
    {.what = "UPC-E with csmNone takes the text's check digit", .type = bcCodeUPC_E0, .text = "1234565",
     .settings = Settings{.method = csmNone}, .textAfter = "1234565", .modules = kUpcEModules},
    {.what = "UPC-E with Checksum and csmNone", .type = bcCodeUPC_E0, .text = "123456",
     .settings = kChecksumNone, .error = "Invalid Text len (UPC_E0)"},
    // supplements
    {.what = "five-digit supplement shows its check digit", .type = bcCodeUPC_Supp5, .text = "12345",
     .settings = kChecksum, .textAfter = "123451", .width = 47},
    {.what = "two-digit supplement shows its check digit", .type = bcCodeUPC_Supp2, .text = "12",
     .settings = kChecksum, .textAfter = "125", .width = 20},
    {.what = "five-digit supplement padded", .type = bcCodeUPC_Supp5, .text = "7", .textAfter = "00007"},
    {.what = "five-digit supplement too long", .type = bcCodeUPC_Supp5, .text = "123456",
     .error = "Invalid Text len (UPC Supp5)"},
    {.what = "two-digit supplement too long", .type = bcCodeUPC_Supp2, .text = "123",
     .error = "Invalid Text len (UPC Supp2)"},
    // Code 39
    {.what = "Code 39 of 8 characters: 10 x 12 modules and 9 gaps", .type = bcCode39, .text = "12345678",
     .width = 129},
    {.what = "Code 39 skips lower case, also in the check character", .type = bcCode39, .text = "ab12",
     .settings = kChecksum, .textAfter = "ab12", .samePatternAs = "12"},
    {.what = "Code 39 skips the start/stop character inside the data", .type = bcCode39, .text = "1*2",
     .samePatternAs = "12"},
    {.what = "Code 39 Extended writes lower case with the + shift", .type = bcCode39Extended, .text = "ab",
     .textAfter = "ab", .modules = kCode39ExtendedModules},
    // Code 93
    {.what = "Code 93 weights restart: C after 20, K after 15", .type = bcCode93,
     .text = "ABCDEFGHIJKLMNOPQRSTUVWXY", .modules = kCode93Modules},
    {.what = "Code 93 rejects lower case", .type = bcCode93, .text = "ab12",
     .error = "TfrxBarcode:Code93 bad Data <ab12>"},
    {.what = "Code 93 rejects a shift character as data", .type = bcCode93, .text = "A[B",
     .error = "TfrxBarcode:Code93 bad Data <A[B>"},
    {.what = "Code 93 Extended: lower case as shift pairs", .type = bcCode93Extended, .text = "ab",
     .textAfter = "ab", .width = 9 * (1 + 4 + 2) + 10},
    // MSI, Codabar, 2 of 5
    {.what = "MSI check digit counts positions from the right", .type = bcCodeMSI, .text = "123",
     .modules = kMsiModules},
    {.what = "MSI is numeric", .type = bcCodeMSI, .text = "12a", .error = "Barcode must be numeric"},
    {.what = "Codabar rejects characters outside its set", .type = bcCodeCodabar, .text = "12a",
     .error = "TfrxBarcode:Codabar bad Data <12a>"},
    {.what = "Codabar rejects start/stop letters inside the data", .type = bcCodeCodabar, .text = "1A2",
     .error = "TfrxBarcode:Codabar bad Data <1A2>"},
    {.what = "interleaved 2 of 5 with an odd count gets a 0 in front", .type = bcCode_2_5_interleaved,
     .text = "12345", .textAfter = "012345", .samePatternAs = "012345"},
    // ratio and module width
    {.what = "Code 39 ratio below 2 becomes 2", .type = bcCode39, .text = "1", .settings = ratio(1.5),
     .ratioAfter = 2.0, .widths = std::array{1, 2, 3, 4}},
    {.what = "Code 39 ratio above 3 becomes 3", .type = bcCode39, .text = "1", .settings = ratio(3.5),
     .ratioAfter = 3.0, .widths = std::array{1, 3, 4, 6}},
    {.what = "ratio 2.5 rounds half to even", .type = bcCode39, .text = "1", .settings = ratio(2.5),
     .ratioAfter = 2.5, .widths = std::array{1, 2, 3, 4}},
    {.what = "ratio 2.6 rounds up", .type = bcCode39, .text = "1", .settings = ratio(2.6),
     .widths = std::array{1, 3, 4, 6}},
    {.what = "module 3 with ratio 2.5: 7.5 rounds to 8", .type = bcCode39, .text = "1",
     .settings = Settings{.ratio = 2.5, .modul = 3}, .widths = std::array{3, 8, 12, 16}},
    {.what = "matrix 2 of 5 ratio below 2.25", .type = bcCode_2_5_matrix, .text = "1", .settings = ratio(2),
     .ratioAfter = 2.25, .widths = std::array{1, 2, 3, 4}},
    {.what = "not-a-number ratio becomes the lower bound", .type = bcCode39, .text = "1",
     .settings = ratio(NAN), .ratioAfter = 2.0},
    {.what = "Code 128 keeps ratio 1.5, widths 1 to 4", .type = bcCode128B, .text = "1", .settings = ratio(1.5),
     .ratioAfter = 1.5, .widths = std::array{1, 2, 3, 4}},
    {.what = "Code 128 modules stay 1 to 4 at ratio 3", .type = bcCode128B, .text = "1", .settings = ratio(3),
     .ratioAfter = 3.0, .widths = std::array{1, 2, 3, 4}},
    {.what = "EAN-13 modules stay 1 to 4 at ratio 3", .type = bcCodeEAN13, .text = "1", .settings = ratio(3),
     .width = 95, .ratioAfter = 3.0, .widths = std::array{1, 2, 3, 4}},
    {.what = "MSI keeps its ratio but needs wide elements", .type = bcCodeMSI, .text = "1",
     .settings = ratio(1), .ratioAfter = 1.0, .widths = std::array{1, 2, 3, 4}},
    {.what = "PostNet spaces follow the ratio down to 1", .type = bcCodePostNet, .text = "1",
     .settings = ratio(1), .ratioAfter = 1.0, .widths = std::array{1, 1, 1, 2}},
    {.what = "module width below 1 counts as 1", .type = bcCode39, .text = "1",
     .settings = Settings{.modul = 0}, .widths = std::array{1, 2, 3, 4}},
    {.what = "module 2 doubles the SSCC", .type = bcCodeEAN128C, .text = "0012345678901234567",
     .settings = Settings{.checksum = true, .modul = 2}, .width = 312},
    // the type
    {.what = "type outside the table", .type = static_cast<TfrxBarcodeType>(kBarcodeTypeCount), .text = "1",
     .error = "TfrxBarcode: wrong BarcodeType"},
};

class Encoding : public ::testing::TestWithParam<Case> {};

TEST_P(Encoding, Case) {
    const Case& c = GetParam();
    TfrxBarcode b = makeBarcode(c.type, c.text, c.settings);
    if (!c.error.empty()) {
        try {
            b.BuildPattern();
            FAIL() << "no error, text " << b.Text();
        } catch (const Exception& e) {
            EXPECT_EQ(e.message(), c.error);
        }
        return;
    }
    const std::string pattern = b.BuildPattern();
    if (!c.textAfter.empty() || c.text.empty()) {
        EXPECT_EQ(b.Text(), c.textAfter);
    }
    if (c.width >= 0) {
        EXPECT_EQ(b.Width(), c.width);
    }
    if (!c.modules.empty()) {
        EXPECT_EQ(modulesOf(pattern, b.ElementWidths()), c.modules);
    }
    if (c.samePatternAs) {
        TfrxBarcode other = makeBarcode(c.type, *c.samePatternAs, c.settings);
        EXPECT_EQ(pattern, other.BuildPattern());
    }
    if (c.ratioAfter) {
        EXPECT_EQ(b.Ratio(), *c.ratioAfter);
    }
    if (c.widths) {
        EXPECT_EQ(b.ElementWidths(), *c.widths);
    }
}

INSTANTIATE_TEST_SUITE_P(Barcode, Encoding, ::testing::ValuesIn(kCases), NameFromWhat());

}  // namespace
