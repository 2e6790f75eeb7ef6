// lumaro-cli barcode: its output and its errors.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli_support.h"

using namespace lumaro::testing;

namespace {

TEST(BarcodeCli, PatternOfTheSscc) {
    int status = -1;
    const auto out = keyValues(runCli({"barcode", "EAN128C", "0012345678901234567", "--checksum", "--pattern"}, &status));
    EXPECT_EQ(status, 0);
    EXPECT_EQ(out.at("text"), "00123456789012345675");
    EXPECT_EQ(out.at("width"), "156");
    EXPECT_EQ(out.at("pattern").substr(0, 6), "605171");  // start C "211232"
    EXPECT_EQ(out.at("modules").size(), 156u);
}

TEST(BarcodeCli, ErrorsGoToStandardErrorWithStatus1) {
    struct Case {
        std::vector<std::string> words;
        std::string message;
    } cases[] = {
        {{"barcode", "EAN13", "12a", "--pattern"}, "lumaro-cli barcode: Barcode must be numeric"},
        {{"barcode", "Code93", "ab", "--pattern"}, "lumaro-cli barcode: TfrxBarcode:Code93 bad Data <ab>"},
        {{"barcode", "bcCode11", "1", "--pattern"}, "lumaro-cli barcode: unknown barcode type: bcCode11"},
        {{"barcode", "EAN13", "1"}, "lumaro-cli barcode: give exactly one of --pattern, --png, --svg"},
        {{"barcode", "EAN13", "1", "--pattern", "--ratio", "x"}, "lumaro-cli barcode: invalid number for --ratio: x"},
    };
    for (const auto& c : cases) {
        std::string cmd = shellQuote(cliPath());
        for (const auto& w : c.words) cmd += " " + shellQuote(w);
        int status = -1;
        const std::string err = runCommand(cmd + " 2>&1 >/dev/null", &status);
        EXPECT_EQ(status, 1) << cmd;
        EXPECT_NE(err.find(c.message + "\n"), std::string::npos) << err;
    }
}

TEST(BarcodeCli, SvgIsWellFormedAndHoldsTheCode) {
    LUMARO_REQUIRE_ORACLE("xmllint");
    const std::string file = (std::filesystem::temp_directory_path() / "lumaro-barcode-cli-test.svg").string();
    int status = -1;
    runCli({"barcode", "EAN13", "590123412345", "--checksum", "--angle", "90", "--svg", file}, &status);
    ASSERT_EQ(status, 0);
    runCommand("xmllint --noout " + shellQuote(file) + " 2>&1", &status);
    EXPECT_EQ(status, 0);
    std::ifstream in(file);
    std::stringstream svg;
    svg << in.rdbuf();
    std::remove(file.c_str());
    const std::string s = svg.str();
    size_t polygons = 0;
    for (size_t p = s.find("<polygon"); p != std::string::npos; p = s.find("<polygon", p + 1)) ++polygons;
    EXPECT_EQ(polygons, 59u);  // elements of an EAN-13
    EXPECT_NE(s.find(">901234</text>"), std::string::npos);
    EXPECT_NE(s.find("rotate(-90)"), std::string::npos);
}

}  // namespace
