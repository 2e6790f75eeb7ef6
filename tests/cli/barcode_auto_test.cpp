// Code 128 and GS1-128 with their own choice of code sets (bcCode128, bcCodeEAN128): against
// zint's encoding, and read back by zbarimg and ZXingReader.
#include <gtest/gtest.h>

#include <random>

#include "decoder_support.h"
#include "zint_support.h"

using namespace lumaro::testing;

namespace {

// How our code compares with zint 2.11's for the same data. Both choose the code sets
// themselves, but zint follows rules of thumb where we take the shortest code:
// - Same: the same modules.
// - SameLength: as many symbols, other sets: zint latches to set C for four digits inside a
//   text (we stay in set B, which is as long with fewer switches), latches where we shift to
//   set A for one control character (or the other way round), or latches before FNC1 where
//   we latch after it. The decoded content is compared instead of the modules.
// - Shorter: zint needs `fewerSymbols` more symbols: around FNC1 inside GS1 data it goes back
//   to set C for a single digit pair, or takes set C where a run of digits is odd.
enum class Zint { Same, SameLength, Shorter };

struct AutoCase {
    std::string type, text;
    std::vector<std::string> options = {};
    std::string decoded = {};  // what the readers report; the text when empty
    Zint zint = Zint::Same;
    int fewerSymbols = 0;
    std::string zintData = {};  // our completed text when empty
};

const AutoCase kCases[] = {
    // Code 128: letters, digit runs odd and even, at the start, inside and at the end
    {"Code128", "Lumaro lot-7 b"},
    {"bcCode128", "12345678"},
    {"Code128", "1234567"},
    {"Code128", "123"},
    {"Code128", "12345"},
    {"Code128", "x"},
    {"Code128", "0"},
    {"Code128", "12AB"},
    {"Code128", "1234AB"},
    {"Code128", "AB1234"},
    {"Code128", "AB12345"},
    {"Code128", "ab12cd"},
    {"Code128", "AB123456CD"},
    {"Code128", "A12345678B"},
    {"Code128", "AB1234CD", {}, {}, Zint::SameLength},
    {"Code128", "AB12345CD", {}, {}, Zint::SameLength},
    {"Code128", "Lot 2024-05-17 / 0012345678", {}, {}, Zint::SameLength},
    {"Code128", "a1b22c333d4444e55555f666666", {}, {}, Zint::SameLength},
    {"Code128", "1234567890123456789012345678901234567890"},
    // control characters: set A, by a shift or a latch
    {"Code128", "A\tB"},
    {"Code128", "abc\tdef"},
    {"Code128", "ab\t\t\tcd"},
    {"Code128", "a\t"},
    {"Code128", "12\t34"},
    {"Code128", "x\x01y\x02z"},
    {"Code128", "\x7F" "ab"},
    {"Code128", "HELLO\x01world", {}, {}, Zint::SameLength},
    {"Code128", "\t\ta", {}, {}, Zint::SameLength},
    {"Code128", "AB\tcd\tEF", {}, {}, Zint::SameLength},
    // GS1-128 with application identifiers; FNC1 after variable-length data
    {"EAN128", "(00)12345678901234567", {"--checksum"}, "00123456789012345675"},
    {"bcCodeEAN128", "0012345678901234567", {"--checksum"}, "00123456789012345675", Zint::Same, 0,
     "(00)123456789012345675"},
    {"EAN128", "(01)09501101530003(17)250101(10)AB-123", {}, "01095011015300031725010110AB-123"},
    {"EAN128", "(02)09501101530003(37)24", {}, "02095011015300033724"},
    {"EAN128", "(3103)000150(10)X1", {}, "310300015010X1"},
    {"EAN128", "(400)123456789(91)abc", {}, "400123456789\x1D" "91abc"},
    {"EAN128", "(8018)95011015300000001", {"--checksum"}, "8018950110153000000014"},
    {"EAN128", "(90)abc(91)12345678", {}, "90abc\x1D" "9112345678", Zint::SameLength},
    {"EAN128", "(01)09501101530003(10)ABC123(21)12345", {}, "010950110153000310ABC123\x1D" "2112345",
     Zint::Shorter, 1},
    {"EAN128", "(10)12345(21)ABC", {}, "1012345\x1D" "21ABC", Zint::Shorter, 1},
    {"EAN128", "(241)ABC/123(250)x", {}, "241ABC/123\x1D" "250x", Zint::Shorter, 2},
    {"EAN128", "(10)1(11)240101", {}, "101\x1D" "11240101", Zint::Shorter, 1},
    {"EAN128", "(21)123456789(10)A", {}, "21123456789\x1D" "10A", Zint::Shorter, 1},
};

bool isGs1(const AutoCase& c) { return c.type == "EAN128" || c.type == "bcCodeEAN128"; }

std::vector<std::string> zintOptions(const AutoCase& c) {
    return isGs1(c) ? std::vector<std::string>{"-b", "16", "--gs1parens"} : std::vector<std::string>{"-b", "20"};
}

struct Ours {
    std::string modules, text;
};

Ours encode(const AutoCase& c) {
    std::vector<std::string> words{"barcode", c.type, c.text, "--pattern"};
    words.insert(words.end(), c.options.begin(), c.options.end());
    int status = -1;
    const auto out = keyValues(runCli(words, &status));
    EXPECT_EQ(status, 0) << c.text;
    return {out.count("modules") ? out.at("modules") : "", out.count("text") ? out.at("text") : ""};
}

std::string zintData(const AutoCase& c, const Ours& ours) { return c.zintData.empty() ? ours.text : c.zintData; }

// A Code 128 symbol is 11 modules; the stop adds 13 with its termination bar.
int symbolsOf(const std::string& modules) { return (static_cast<int>(stripZeros(modules).size()) + 2 - 13) / 11; }

TEST(BarcodeAuto, AgainstZint) {
    LUMARO_REQUIRE_ORACLE("zint");
    for (const AutoCase& c : kCases) {
        SCOPED_TRACE(c.type + " \"" + c.text + "\"");
        const Ours ours = encode(c);
        const std::vector<std::string> options = zintOptions(c);
        const auto zint = zintRows(std::stoi(options[1]), zintData(c, ours), {options.begin() + 2, options.end()});
        ASSERT_EQ(zint.size(), 1u) << (zint.empty() ? "" : zint[0]);
        const std::string mine = stripZeros(ours.modules);
        switch (c.zint) {
            case Zint::Same:
                EXPECT_EQ(mine, zint[0]);
                break;
            case Zint::SameLength:
                EXPECT_NE(mine, zint[0]) << "now the same as zint: make it a Same case";
                EXPECT_EQ(mine.size(), zint[0].size());
                break;
            case Zint::Shorter:
                EXPECT_EQ(symbolsOf(mine) + c.fewerSymbols, symbolsOf(zint[0]));
                break;
        }
    }
}

// Our codes, and zint's where they differ, read by both readers: the same content, as GS1
// data (symbology identifier ]C1, FNC1 between element strings as GS) where it is GS1-128.
TEST(BarcodeAuto, ReadBackByBothReaders) {
    LUMARO_REQUIRE_ORACLE("zint");
    LUMARO_REQUIRE_ORACLE("zbarimg");
    LUMARO_REQUIRE_ORACLE("ZXingReader");
    TempDir dir("auto");
    std::vector<Image> images;
    std::vector<Image> zintImages;
    for (const AutoCase& c : kCases) {
        const std::string data = c.decoded.empty() ? c.text : c.decoded;
        const bool gs1 = isGs1(c);
        Image im{"ours" + std::to_string(images.size()) + ".png", {"barcode", c.type, c.text}, {"CODE-128", data, gs1},
                 {"Code128", data, gs1}};
        im.words.insert(im.words.end(), c.options.begin(), c.options.end());
        place(im, static_cast<int>(images.size()) * 5);
        images.push_back(im);
        if (c.zint == Zint::Same) continue;
        Image z = im;
        z.file = dir.file("zint" + std::to_string(zintImages.size()) + ".png");
        std::string cmd = "zint --scale 2 -o " + shellQuote(z.file);
        for (const std::string& o : zintOptions(c)) cmd += " " + shellQuote(o);
        int status = -1;
        runCommand(cmd + " -d " + shellQuote(zintData(c, encode(c))) + " >/dev/null 2>&1", &status);
        ASSERT_EQ(status, 0) << cmd;
        z.modulePx = 2;
        zintImages.push_back(z);
    }
    renderAndRead(images, dir);
    expectRead(zintImages, readZbar(filesOf(zintImages)), &Image::zbar, "zbarimg on zint", false);
    expectRead(zintImages, readZxing(filesOf(zintImages)), &Image::zxing, "ZXingReader on zint", false);
}

// Texts of random runs of digits (odd and even), capitals, small letters and punctuation,
// and GS1 texts of a GTIN, a lot and a serial.
TEST(BarcodeAuto, RandomTextsReadBack) {
    LUMARO_REQUIRE_ORACLE("zbarimg");
    LUMARO_REQUIRE_ORACLE("ZXingReader");
    std::mt19937 random(20240612);
    const std::string classes[] = {"0123456789", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "abcdefghijklmnopqrstuvwxyz",
                                   " !#$%&()*+,-./:;<=>?@[^_{|}~"};
    const auto pick = [&](const std::string& from) { return from[random() % from.size()]; };
    const auto run = [&](const std::string& from, size_t n) {
        std::string s;
        while (n--) s += pick(from);
        return s;
    };
    std::vector<Image> images;
    for (int i = 0; i < 80; ++i) {
        std::string text;
        for (int r = 1 + static_cast<int>(random() % 5); r > 0; --r)
            text += run(classes[random() % 4], 1 + random() % 9);
        Image im{"code" + std::to_string(i) + ".png", {"barcode", "bcCode128", text}, {"CODE-128", text},
                 {"Code128", text}};
        place(im, i);
        images.push_back(im);
    }
    for (int i = 0; i < 40; ++i) {
        const std::string gtin = run(classes[0], 13);
        const std::string lot = run(classes[random() % 3], 1 + random() % 10);
        const std::string serial = run(classes[0], 1 + random() % 12);
        const std::string text = "(01)" + gtin + "(10)" + lot + "(21)" + serial;
        const std::string data = "01" + gtin + gs1CheckDigit(gtin) + "10" + lot + "\x1D" "21" + serial;
        Image im{"gs1" + std::to_string(i) + ".png", {"barcode", "EAN128", text, "--checksum"}, {"CODE-128", data, true},
                 {"Code128", data, true}};
        place(im, i);
        images.push_back(im);
    }
    TempDir dir("auto_random");
    renderAndRead(images, dir);
}

}  // namespace
