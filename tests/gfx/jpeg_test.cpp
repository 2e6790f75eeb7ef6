#include <gtest/gtest.h>

#include "gfx/graphic_error.h"
#include "gfx/graphic_fixtures.h"
#include "gfx/jpeg_fixtures.h"
#include "gfx/graphic_kinds.h"
#include "gfx/jpeg_codec.h"

using namespace lumaro;
using namespace lumaro::fixtures;

namespace {

int channel(uint32_t p, int shift) { return static_cast<int>((p >> shift) & 0xFF); }

}  // namespace

TEST(Jpeg, RoundTripStaysWithinTolerance) {
    const Image src = gradient(37, 21);  // sizes that are not multiples of the block size
    const Bytes file = encodeJpeg(src, 95);
    const JpegInfo info = readJpegInfo(file);
    EXPECT_EQ(info.width, 37);
    EXPECT_EQ(info.height, 21);
    EXPECT_EQ(info.components, 3);
    const Image back = decodeJpeg(file);
    ASSERT_EQ(back.width, 37);
    ASSERT_EQ(back.height, 21);
    EXPECT_LE(maxChannelDiff(src, back), 12);
    // Lower quality: a smaller file that is still close.
    const Bytes rough = encodeJpeg(src, 20);
    EXPECT_LT(rough.size(), file.size());
    EXPECT_LE(maxChannelDiff(src, decodeJpeg(rough)), 48);
}

TEST(Jpeg, GrayscaleAndTransparentPixels) {
    Image src = gradient(16, 16);
    src.pixels[0] = 0x00000000;  // fully transparent black becomes white
    const Bytes gray = encodeJpeg(src, 95, true);
    EXPECT_EQ(readJpegInfo(gray).components, 1);
    const Image back = decodeJpeg(gray);
    for (uint32_t p : back.pixels) {
        EXPECT_EQ(channel(p, 16), channel(p, 8));
        EXPECT_EQ(channel(p, 8), channel(p, 0));
        EXPECT_EQ(p >> 24, 0xFFu);
    }
    EXPECT_GE(channel(decodeJpeg(encodeJpeg(src, 100)).pixels[0], 16), 200);
}

TEST(Jpeg, CmykAndYcckWithAdobeInversion) {
    // 20 % cyan, 40 % magenta, no yellow, 10 % black.
    const uint8_t c = 51, m = 102, y = 0, k = 26;
    const int r = (255 - c) * (255 - k) / 255, g = (255 - m) * (255 - k) / 255, b = (255 - y) * (255 - k) / 255;
    for (bool ycck : {false, true}) {
        SCOPED_TRACE(ycck ? "YCCK" : "CMYK");
        const Bytes file = cmykJpeg(c, m, y, k, ycck);
        EXPECT_EQ(readJpegInfo(file).components, 4);
        const Image img = decodeJpeg(file);
        ASSERT_EQ(img.width, 16);
        for (uint32_t p : img.pixels) {
            EXPECT_NEAR(channel(p, 16), r, 4);
            EXPECT_NEAR(channel(p, 8), g, 4);
            EXPECT_NEAR(channel(p, 0), b, 4);
        }
    }
}

TEST(Jpeg, DamagedDataRaisesOrDecodesWithoutCrashing) {
    const Bytes file = encodeJpeg(gradient(48, 40), 90);
    for (const Bytes& bad : {Bytes{}, Bytes{0xFF, 0xD8}, Bytes{0xFF, 0xD8, 0xFF, 0xE0, 0, 2}, Bytes{'a', 'b', 'c'}}) {
        EXPECT_THROW(decodeJpeg(bad), EInvalidGraphic);
        EXPECT_THROW(readJpegInfo(bad), EInvalidGraphic);
    }
    try {
        decodeJpeg(Bytes{'h', 'e', 'l', 'l', 'o'});
        ADD_FAILURE();
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.message().rfind("JPEG image is not valid: ", 0), 0u) << e.message();
    }
    // Data that ends after the headers still decodes (as far as it goes), like other viewers.
    Bytes cut = file;
    cut.resize(file.size() * 3 / 4);
    EXPECT_EQ(decodeJpeg(cut).width, 48);
    // Every prefix and every single-byte change: an error or a picture, never a crash.
    for (size_t n = 0; n < file.size(); ++n) {
        const TJPEGImage g(Bytes(file.begin(), file.begin() + static_cast<long>(n)));
        (void)g.image();
        Bytes flipped = file;
        flipped[n] ^= 0x5A;
        const TJPEGImage h(flipped);
        (void)h.image();
    }
}

TEST(Jpeg, SizeLimitStopsDecompressionBombs) {
    const Bytes file = encodeJpeg(gradient(64, 64), 50);
    const int64_t saved = maxDecodedPixels();
    setMaxDecodedPixels(1000);
    try {
        decodeJpeg(file);
        ADD_FAILURE();
    } catch (const EInvalidGraphic& e) {
        EXPECT_NE(e.message().find("64 x 64 pixels is larger than the limit of 1000 pixels"), std::string::npos)
            << e.message();
    }
    const TJPEGImage g(file);
    EXPECT_EQ(g.width(), 64);
    EXPECT_FALSE(g.canDecode());
    setMaxDecodedPixels(saved);
    EXPECT_TRUE(TJPEGImage(file).canDecode());
}
