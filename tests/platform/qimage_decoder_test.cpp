// Our BMP, JPEG and icon decoders against Qt's own image readers, on files written by Qt's
// encoders, by libjpeg directly and byte by byte, and Qt's readers on files our encoders write.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>

#include "gfx/bmp_codec.h"
#include "gfx/graphic_fixtures.h"
#include "gfx/graphic_kinds.h"
#include "gfx/jpeg_codec.h"
#include "gfx/jpeg_fixtures.h"

using namespace lumaro;
using namespace lumaro::fixtures;

namespace {

Bytes saved(const QImage& img, const char* format, int quality = -1) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(img.save(&buffer, format, quality)) << format;
    return Bytes(data.begin(), data.end());
}

Image viaQt(const Bytes& file, const char* format) {
    const QImage q = QImage::fromData(file.data(), static_cast<int>(file.size()), format)
                         .convertToFormat(QImage::Format_ARGB32);
    Image img;
    img.width = q.width();
    img.height = q.height();
    for (int y = 0; y < q.height(); ++y)
        for (int x = 0; x < q.width(); ++x) img.pixels.push_back(q.pixel(x, y));
    return img;
}

QImage toQt(const Image& img) {
    QImage q(img.width, img.height, QImage::Format_ARGB32);
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) q.setPixel(x, y, img.pixel(x, y));
    return q;
}

// Same size, and no channel further apart than `tolerance`.
void expectClose(const Image& ours, const Image& qt, int tolerance) {
    ASSERT_FALSE(qt.isNull());
    ASSERT_EQ(ours.width, qt.width);
    ASSERT_EQ(ours.height, qt.height);
    EXPECT_LE(maxChannelDiff(ours, qt), tolerance);
}

}  // namespace

TEST(QtOracle, BitmapsWrittenByQt) {
    const QImage rgb = toQt(gradient(13, 7)).convertToFormat(QImage::Format_RGB32);
    QImage indexed = rgb.convertToFormat(QImage::Format_Indexed8);
    QImage mono = rgb.convertToFormat(QImage::Format_Mono);
    for (const QImage& q : {rgb, indexed, mono, toQt(gradient(9, 5))}) {
        SCOPED_TRACE(q.format());
        const Bytes file = saved(q, "BMP");
        expectClose(decodeBmp(file), viaQt(file, "BMP"), 0);
    }
}

TEST(QtOracle, BitmapVariantsReadByQt) {
    for (const auto& c : bmpCases()) {
        SCOPED_TRACE(c.name);
        const Image qt = viaQt(c.file, "BMP");
        ASSERT_FALSE(qt.isNull());
        Image ours = decodeBmp(c.file);
        // Pixels RLE skips are transparent for us, index 0 for Qt: compare only where we drew.
        for (size_t i = 0; i < ours.pixels.size(); ++i)
            if ((ours.pixels[i] >> 24) == 0) ours.pixels[i] = qt.pixels[i];
        // Qt widens 5-bit channels by shifting (31 -> 248), we scale to the full range (31 -> 255).
        expectClose(ours, qt, c.bitCount == 16 ? 7 : 0);
    }
}

TEST(QtOracle, OurBitmapsReadByQt) {
    Image img = gradient(11, 6);
    img.pixels[3] = 0x40102030;
    Image opaque = img;
    for (auto& p : opaque.pixels) p |= 0xFF000000;
    expectClose(opaque, viaQt(encodeBmp(img, 24), "BMP"), 0);
    expectClose(img, viaQt(encodeBmp(img, 32), "BMP"), 0);
}

TEST(QtOracle, JpegsWrittenByQt) {
    const QImage colour = toQt(gradient(40, 24)).convertToFormat(QImage::Format_RGB32);
    const QImage gray = colour.convertToFormat(QImage::Format_Grayscale8);
    for (int quality : {30, 90}) {
        for (const QImage& q : {colour, gray}) {
            SCOPED_TRACE(quality);
            const Bytes file = saved(q, "JPEG", quality);
            // Both go through libjpeg; upsampling and IDCT choices may differ by a little.
            expectClose(decodeJpeg(file), viaQt(file, "JPEG"), 3);
        }
    }
}

TEST(QtOracle, CmykJpegsAndOurJpegsReadByQt) {
    for (bool ycck : {false, true}) {
        const Bytes file = cmykJpeg(51, 102, 0, 26, ycck);
        expectClose(decodeJpeg(file), viaQt(file, "JPEG"), 3);
    }
    const Image src = gradient(32, 32);
    const Bytes ours = encodeJpeg(src, 92);
    expectClose(decodeJpeg(ours), viaQt(ours, "JPEG"), 3);
    expectClose(src, viaQt(ours, "JPEG"), 12);
}

TEST(QtOracle, IconReadByQt) {
    // 4 bits: red green / blue white, the mask hiding the top-right pixel. (Qt ignores the
    // mask of 24-bit entries, so a palette entry is compared.)
    Bytes dib = dibHeader(40, 2, 4, 4, 0);
    append(dib, fourColourPalette(4));
    append(dib, {0x23, 0, 0, 0, 0x01, 0, 0, 0});
    append(dib, {0, 0, 0, 0, 0x40, 0, 0, 0});
    const Bytes ico = icoFile({{2, 2, 4, dib}});
    const Image qt = viaQt(ico, "ICO");
    Image ours = *TIcon(ico).decode();
    // Fully transparent pixels may keep any colour.
    for (size_t i = 0; i < ours.pixels.size() && i < qt.pixels.size(); ++i)
        if ((ours.pixels[i] >> 24) == 0 && (qt.pixels[i] >> 24) == 0) ours.pixels[i] = qt.pixels[i];
    expectClose(ours, qt, 0);
}
