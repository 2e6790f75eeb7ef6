#include <gtest/gtest.h>

#include "gfx/bmp_codec.h"
#include "gfx/graphic_error.h"
#include "gfx/graphic_kinds.h"
#include "gfx/graphic_fixtures.h"

using namespace lumaro;
using namespace lumaro::fixtures;

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
    const Bytes pal = fourColourPalette(8);
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
    const TBitmap g(bmpFile(dibHeader(40, 60000, 60000, 8, 1), fourColourPalette(8), {0, 1}));
    EXPECT_EQ(g.width(), 60000);
    EXPECT_EQ(g.height(), 60000);
    EXPECT_FALSE(g.canDecode());
    EXPECT_NE(g.problem().find("60000 x 60000"), std::string::npos);
}
