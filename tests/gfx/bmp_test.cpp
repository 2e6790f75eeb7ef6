#include <gtest/gtest.h>

#include "gfx/bmp_codec.h"
#include "gfx/graphic_error.h"
#include "gfx/graphic_kinds.h"
#include "gfx/graphic_fixtures.h"

using namespace lumaro;
using namespace lumaro::fixtures;

namespace {

constexpr uint32_t kClear = 0x00000000;

const std::vector<std::vector<int>> kIndices{{0, 1, 2}, {3, 0, 1}};
const std::vector<uint32_t> kFourColours{kRed, kGreen, kBlue, kWhite};
const std::vector<uint32_t> kExpected{kRed, kGreen, kBlue, kWhite, kRed, kGreen};  // 3 x 2, top row first

Bytes fourColourPalette(bool core = false) { return palette({kRed, kGreen, kBlue, kWhite}, core); }

// Pixels of the expected picture as 16-, 24- or 32-bit values, stored bottom-up or top-down.
Bytes packTrueColour(int bpp, bool topDown, uint32_t (*encode)(uint32_t)) {
    Bytes out;
    for (int i = 0; i < 2; ++i) {
        const int y = topDown ? i : 1 - i;
        Bytes row;
        for (int x = 0; x < 3; ++x) {
            const uint32_t v = encode(kExpected[static_cast<size_t>(y * 3 + x)]);
            for (int b = 0; b < bpp / 8; ++b) row.push_back(static_cast<uint8_t>(v >> (8 * b)));
        }
        row.resize((row.size() + 3) / 4 * 4, 0);
        append(out, row);
    }
    return out;
}

uint32_t asBgr(uint32_t c) { return c & 0xFFFFFF; }
uint32_t asBgrZeroAlpha(uint32_t c) { return c & 0xFFFFFF; }
uint32_t as555(uint32_t c) { return ((c >> 19 & 31) << 10) | ((c >> 11 & 31) << 5) | (c >> 3 & 31); }
uint32_t as565(uint32_t c) { return ((c >> 19 & 31) << 11) | ((c >> 10 & 63) << 5) | (c >> 3 & 31); }
uint32_t asRgbaLow(uint32_t c) {  // R in the low byte, alpha on top
    return (c & 0xFF000000) | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}

struct BmpCase {
    const char* name;
    Bytes file;
    std::vector<uint32_t> expected;
    int bitCount;
};

std::vector<BmpCase> bmpCases() {
    std::vector<BmpCase> c;
    c.push_back({"8 bit, bottom-up", bmpFile(dibHeader(40, 3, 2, 8, 0), fourColourPalette(), packIndices(kIndices, 8, false)), kExpected, 8});
    c.push_back({"8 bit, top-down", bmpFile(dibHeader(40, 3, -2, 8, 0), fourColourPalette(), packIndices(kIndices, 8, true)), kExpected, 8});
    c.push_back({"8 bit, 4 colours used", bmpFile(dibHeader(40, 3, 2, 8, 0, 4), fourColourPalette(), packIndices(kIndices, 8, false)), kExpected, 8});
    c.push_back({"4 bit", bmpFile(dibHeader(40, 3, 2, 4, 0), fourColourPalette(), packIndices(kIndices, 4, false)), kExpected, 4});
    c.push_back({"1 bit", bmpFile(dibHeader(40, 3, 2, 1, 0), palette({kBlack, kWhite}), packIndices({{0, 1, 0}, {1, 1, 0}}, 1, false)),
                 {kBlack, kWhite, kBlack, kWhite, kWhite, kBlack}, 1});
    c.push_back({"8 bit, OS/2 core header", bmpFile(dibHeader(12, 3, 2, 8, 0), fourColourPalette(true), packIndices(kIndices, 8, false)), kExpected, 8});
    c.push_back({"24 bit, OS/2 core header", bmpFile(dibHeader(12, 3, 2, 24, 0), {}, packTrueColour(24, false, asBgr)), kExpected, 24});
    c.push_back({"24 bit, bottom-up", bmpFile(dibHeader(40, 3, 2, 24, 0), {}, packTrueColour(24, false, asBgr)), kExpected, 24});
    c.push_back({"24 bit, top-down", bmpFile(dibHeader(40, 3, -2, 24, 0), {}, packTrueColour(24, true, asBgr)), kExpected, 24});
    c.push_back({"24 bit, V4 header", bmpFile(dibHeader(108, 3, 2, 24, 0), {}, packTrueColour(24, false, asBgr)), kExpected, 24});
    c.push_back({"24 bit, V5 header", bmpFile(dibHeader(124, 3, 2, 24, 0), {}, packTrueColour(24, false, asBgr)), kExpected, 24});
    c.push_back({"16 bit 5-5-5", bmpFile(dibHeader(40, 3, 2, 16, 0), {}, packTrueColour(16, false, as555)), kExpected, 16});
    c.push_back({"16 bit 5-6-5 bit fields", bmpFile(dibHeader(40, 3, 2, 16, 3, 0, {0xF800, 0x07E0, 0x001F}), {}, packTrueColour(16, false, as565)), kExpected, 16});
    c.push_back({"32 bit, alpha byte ignored", bmpFile(dibHeader(40, 3, 2, 32, 0), {}, packTrueColour(32, false, asBgrZeroAlpha)), kExpected, 32});
    c.push_back({"32 bit bit fields, V5 with alpha, RGBA order",
                 bmpFile(dibHeader(124, 3, 2, 32, 3, 0, {0xFF, 0xFF00, 0xFF0000, 0xFF000000}), {}, packTrueColour(32, false, asRgbaLow)),
                 kExpected, 32});
    c.push_back({"32 bit bit fields after an info header", bmpFile(dibHeader(40, 3, 2, 32, 3, 0, {0xFF0000, 0xFF00, 0xFF}), {}, packTrueColour(32, false, asBgr)), kExpected, 32});
    // RLE8: bottom row as one absolute group (padded), top row as three runs.
    c.push_back({"RLE8", bmpFile(dibHeader(40, 3, 2, 8, 1), fourColourPalette(),
                                 {0, 3, 3, 0, 1, 0, 0, 0, 1, 0, 1, 1, 1, 2, 0, 1}), kExpected, 8});
    // RLE8 with a delta: skipped pixels stay transparent.
    c.push_back({"RLE8 with delta", bmpFile(dibHeader(40, 3, 2, 8, 1), fourColourPalette(), {0, 2, 2, 0, 1, 1, 0, 0, 2, 2, 0, 1}),
                 {kBlue, kBlue, kClear, kClear, kClear, kGreen}, 8});
    // RLE4: bottom row absolute (3 nibbles), top row a two-pixel run and a one-pixel run.
    c.push_back({"RLE4", bmpFile(dibHeader(40, 3, 2, 4, 2), fourColourPalette(), {0, 3, 0x30, 0x10, 0, 0, 2, 0x01, 1, 0x20, 0, 1}), kExpected, 4});
    return c;
}

}  // namespace

TEST(Bmp, DecodesEveryVariant) {
    for (const auto& c : bmpCases()) {
        SCOPED_TRACE(c.name);
        const Image img = decodeBmp(c.file);
        ASSERT_EQ(img.width, 3);
        ASSERT_EQ(img.height, 2);
        EXPECT_EQ(img.pixels, c.expected);
        const TBitmap g(c.file);
        EXPECT_EQ(g.width(), 3);
        EXPECT_EQ(g.height(), 2);
        EXPECT_TRUE(g.canDecode());
        EXPECT_EQ(readBmpInfo(c.file).bitCount, c.bitCount);
    }
}

TEST(Bmp, EncodesAndDecodesBack) {
    Image img = gradient(5, 3);  // odd width: rows need padding
    img.pixels[4] = 0x80123456;
    const Image back24 = decodeBmp(encodeBmp(img, 24));
    ASSERT_EQ(back24.width, 5);
    for (size_t i = 0; i < img.pixels.size(); ++i) EXPECT_EQ(back24.pixels[i], img.pixels[i] | 0xFF000000) << i;
    EXPECT_EQ(decodeBmp(encodeBmp(img, 32)).pixels, img.pixels);
    const Bytes file = encodeBmp(img, 24);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file.size(), 14u + 40u + 3u * 16u);  // 5 pixels * 3 bytes padded to 16
    EXPECT_EQ(TBitmap::fromImage(img, true)->decode()->pixels, img.pixels);
}

TEST(Bmp, RejectsDamagedFilesWithAClearMessage) {
    const Bytes pal = fourColourPalette();
    const Bytes px = packIndices(kIndices, 8, false);
    Bytes badSignature = bmpFile(dibHeader(40, 3, 2, 8, 0), pal, px);
    badSignature[1] = 'X';
    Bytes badHeaderSize = bmpFile(dibHeader(40, 3, 2, 8, 0), pal, px);
    badHeaderSize[14] = 7;
    Bytes truncated = bmpFile(dibHeader(40, 3, 2, 24, 0), {}, packTrueColour(24, false, asBgr));
    truncated.resize(truncated.size() - 6);
    const struct {
        const char* name;
        Bytes file;
        const char* message;
    } cases[] = {
        {"signature", badSignature, "missing \"BM\" signature"},
        {"header size", badHeaderSize, "unknown header size 7"},
        {"zero width", bmpFile(dibHeader(40, 0, 2, 8, 0), pal, px), "invalid size 0 x 2"},
        {"embedded JPEG", bmpFile(dibHeader(40, 3, 2, 24, 4), {}, px), "compression 4 is not supported"},
        {"RLE8 at 24 bits", bmpFile(dibHeader(40, 3, 2, 24, 1), {}, px), "24 bits per pixel with compression 1 is not supported"},
        {"truncated pixels", truncated, "pixel data is truncated"},
        {"decompression bomb", bmpFile(dibHeader(40, 60000, 60000, 8, 1), pal, {0, 1}), "larger than the limit"},
        {"only the file header", Bytes{'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0}, "unexpected end of data"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            decodeBmp(c.file);
            ADD_FAILURE() << "no error";
        } catch (const EInvalidGraphic& e) {
            EXPECT_NE(e.message().find("Bitmap image is not valid: "), std::string::npos) << e.message();
            EXPECT_NE(e.message().find(c.message), std::string::npos) << e.message();
        }
        // As a graphic it is kept and drawn as a placeholder.
        const TBitmap g(c.file);
        EXPECT_EQ(g.image(), nullptr);
        EXPECT_FALSE(g.canDecode());
        EXPECT_FALSE(g.problem().empty());
        EXPECT_EQ(g.data(), c.file);
    }
}

TEST(Bmp, BombSizeIsKeptButNotDecoded) {
    const TBitmap g(bmpFile(dibHeader(40, 60000, 60000, 8, 1), fourColourPalette(), {0, 1}));
    EXPECT_EQ(g.width(), 60000);
    EXPECT_EQ(g.height(), 60000);
    EXPECT_FALSE(g.canDecode());
    EXPECT_NE(g.problem().find("60000 x 60000"), std::string::npos);
}
