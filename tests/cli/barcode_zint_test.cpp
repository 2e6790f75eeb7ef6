// Our bar/space modules against `zint --dump` (Debian zint 2.11) for every symbology whose
// rules zint shares.
#include <gtest/gtest.h>

#include "zint_support.h"

using namespace lumaro::testing;

namespace {

// Differences between our rules and zint, and how the table deals with them:
// - Ratio: zint draws the 2 of 5 family with wide elements of 3 modules; our default ratio
//   is 2, so those rows use --ratio 3. Codabar, Code 39 and MSI use 2 in zint as in ours.
// - PostNet: zint leaves one module between bars and always adds the check digit; we leave
//   Ratio modules and add it with --checksum, so those rows use --ratio 1 --checksum. zint
//   dumps the tall part and the full bars as two rows; we compare both.
// - Code 39 check character: zint adds it with --vers=1, we with --checksum.
// - MSI: zint adds no check digit by default, we always add the modulo 10 one: --vers=1.
// - Code 128: zint picks and switches code sets to make the code short; our A, B and C types
//   keep one set for the whole symbol (bcCode128 and bcCodeEAN128, which switch, are compared
//   in barcode_auto_test.cpp). Compared where zint keeps the same single set: set B texts without
//   runs of digits, set C texts of digits only. Set A is never comparable (zint uses it only
//   for control characters, which our set A does not carry), nor are GS1-128 sets A and B.
// - Full ASCII: for "-" and "." (Code 39) and "-", ".", "$", "/", "+", "%" (Code 93) our
//   extended forms write shift pairs such as "/M" where zint uses the character itself;
//   readers decode both to the same text. The extended rows avoid these characters.
// - Codabar: zint takes start and stop from the data; ours are always A and B, so the zint
//   data is wrapped in A...B.
// - UPC-E: zint takes the number system as the first digit; ours comes from the type.
// - EAN-2 and EAN-5: zint makes a standalone add-on from 2 or 5 digits given to EAN-13.
struct ZintCase {
    std::string what;
    std::string type, text;
    std::vector<std::string> options;  // ours
    int zintType;
    std::string zintData;  // empty: "[00]" and the digits our completed SSCC text has after "00"
    std::vector<std::string> zintOptions = {};
};

std::vector<ZintCase> cases() {
    std::vector<ZintCase> c;
    for (const char* serial : {"12345678901234567", "00000000000000000", "99999999999999999",
                               "35412340000012345", "10614141123456789"})
        c.push_back({"SSCC", "bcCodeEAN128C", std::string("00") + serial, {"--checksum"}, 16, "", {"--gs1"}});
    for (const char* t : {"590123412345", "400638133393", "000000000000", "123456789012", "212345678901",
                          "312345678902", "612345678903", "712345678904", "812345678905", "912345678906"})
        c.push_back({"EAN-13", "EAN13", t, {"--checksum"}, 13, t});
    for (const char* t : {"9638507", "0000000", "1234567", "5512345"})
        c.push_back({"EAN-8", "EAN8", t, {"--checksum"}, 13, t});
    for (const char* t : {"03600029145", "00000000000", "12345678901", "98765432109"})
        c.push_back({"UPC-A", "UPC_A", t, {"--checksum"}, 34, t});
    for (const char* t : {"123450", "123451", "123452", "123453", "123454", "123455", "654329", "000000"})
        c.push_back({"UPC-E0", "UPC_E0", t, {"--checksum"}, 37, std::string("0") + t});
    for (const char* t : {"123453", "987655"})
        c.push_back({"UPC-E1", "UPC_E1", t, {"--checksum"}, 37, std::string("1") + t});
    for (const char* t : {"00", "01", "02", "03", "12", "99"}) c.push_back({"EAN-2", "UPC Supp2", t, {}, 13, t});
    for (const char* t : {"00000", "12345", "54321", "90000", "24680", "13579"})
        c.push_back({"EAN-5", "UPC Supp5", t, {}, 13, t});
    for (const char* t : {"Lumaro lot-7 b", "abc DEF ~{}|", "x1y2z3"})
        c.push_back({"Code 128 B", "Code128B", t, {}, 20, t});
    for (const char* t : {"12345678", "00", "99887766554433221100"})
        c.push_back({"Code 128 C", "Code128C", t, {}, 20, t});
    for (const char* t : {"CODE39", "A-1.2 $/+%", "12345678"}) c.push_back({"Code 39", "Code39", t, {}, 8, t});
    for (const char* t : {"CODE39", "LOT 42"})
        c.push_back({"Code 39 check character", "Code39", t, {"--checksum"}, 8, t, {"--vers=1"}});
    for (const char* t : {"Lumaro lot 7", "a!b@c#d~", "MIXED Case 123"})
        c.push_back({"Code 39 full ASCII", "Code39 Extended", t, {}, 9, t});
    for (const char* t : {"CODE93 TEST-1", "ABCDEFGHIJKLMNOPQRSTUVWXY", "0123456789ABCDEF", "$/+% .-"})
        c.push_back({"Code 93", "Code93", t, {}, 25, t});
    for (const char* t : {"Lumaro lot 7", "a#b!c"}) c.push_back({"Code 93 full ASCII", "Code93 Extended", t, {}, 25, t});
    for (const char* t : {"12-34$:/.+", "0123456789"})
        c.push_back({"Codabar", "Codebar", t, {}, 18, std::string("A") + t + "B"});
    for (const char* t : {"123456", "12345", "0000000000"})
        c.push_back({"interleaved 2 of 5", "2_5_interleaved", t, {"--ratio", "3"}, 3, t});
    for (const char* t : {"123456", "9"})
        c.push_back({"industrial 2 of 5", "2_5_industrial", t, {"--ratio", "3"}, 7, t});
    for (const char* t : {"123456", "90"}) c.push_back({"matrix 2 of 5", "2_5_matrix", t, {"--ratio", "3"}, 2, t});
    for (const char* t : {"1234567", "123456", "0", "9999999999999999999999"})
        c.push_back({"MSI", "MSI", t, {}, 47, t, {"--vers=1"}});
    for (const char* t : {"12345", "123456789", "12345678901"})
        c.push_back({"PostNet", "PostNet", t, {"--ratio", "1", "--checksum"}, 40, t});
    return c;
}

TEST(BarcodeZint, SameModulesAsZint) {
    LUMARO_REQUIRE_ORACLE("zint");
    for (const ZintCase& c : cases()) {
        std::vector<std::string> words{"barcode", c.type, c.text, "--pattern"};
        words.insert(words.end(), c.options.begin(), c.options.end());
        int status = 0;
        const auto ours = keyValues(runCli(words, &status));
        ASSERT_EQ(status, 0) << c.what << " " << c.text;
        const std::string modules = ours.at("modules");
        const std::string data = c.zintData.empty() ? "[00]" + ours.at("text").substr(2) : c.zintData;
        const auto zint = zintRows(c.zintType, data, c.zintOptions);
        SCOPED_TRACE(c.what + " \"" + c.text + "\", zint data \"" + data + "\"");
        if (modules.find('s') == std::string::npos) {
            ASSERT_EQ(zint.size(), 1u) << (zint.empty() ? "" : zint[0]);
            EXPECT_EQ(stripZeros(modules), zint[0]);
        } else {
            // Height-modulated: the tall bars alone, then every bar.
            std::string tall, all;
            for (char m : modules) {
                tall += m == '1' ? '1' : '0';
                all += m == '0' ? '0' : '1';
            }
            ASSERT_EQ(zint.size(), 2u) << (zint.empty() ? "" : zint[0]);
            EXPECT_EQ(stripZeros(tall), zint[0]);
            EXPECT_EQ(stripZeros(all), zint[1]);
        }
    }
}

}  // namespace
