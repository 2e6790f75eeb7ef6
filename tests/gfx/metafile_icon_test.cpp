#include <gtest/gtest.h>

#include "gfx/graphic_fixtures.h"
#include "gfx/graphic_kinds.h"
#include "gfx/graphic_sniff.h"

using namespace lumaro;
using namespace lumaro::fixtures;

namespace {

// An icon entry: info header with doubled height, colour pixels bottom-up, then the AND mask.
Bytes iconDib(int w, int h, int bpp, const Bytes& pal, const Bytes& colour, const Bytes& mask) {
    Bytes d = dibHeader(40, w, 2 * h, bpp, 0);
    append(d, pal);
    append(d, colour);
    append(d, mask);
    return d;
}

// 2 x 2, 24 bits: red green / blue white (top row first); the mask hides the top-right pixel.
Bytes icon24() {
    const Bytes colour{0xFF, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0,    // bottom row: blue, white, padding
                       0, 0, 0xFF, 0, 0xFF, 0, 0, 0};         // top row: red, green, padding
    const Bytes mask{0, 0, 0, 0, 0x40, 0, 0, 0};              // bottom row clear, top row pixel 1 set
    return iconDib(2, 2, 24, {}, colour, mask);
}

// 4 x 4, 32 bits with alpha: every pixel half-transparent grey.
Bytes icon32() {
    Bytes colour;
    for (int i = 0; i < 16; ++i) append(colour, {0x80, 0x80, 0x80, 0x80});
    return iconDib(4, 4, 32, {}, colour, Bytes(16, 0));
}

Bytes fakePng(int w, int h) {
    Bytes p{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
    for (int v : {w, h}) append(p, {uint8_t(v >> 24), uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)});
    append(p, {8, 6, 0, 0, 0});
    return p;
}

}  // namespace

TEST(Metafile, SizeComesFromTheHeaderAndBytesStay) {
    const struct {
        const char* name;
        Bytes file;
        int width, height;
        bool enhanced;
    } cases[] = {
        {"EMF frame of 2 x 1 inches", emfFile(5080, 2540), 192, 96, true},
        {"EMF without frame uses inclusive bounds", emfFile(0, 0, 99, 49), 100, 50, true},
        {"placeable, 1440 per inch", placeableWmf(1440, 720, 1440), 96, 48, false},
        {"placeable, 576 per inch", placeableWmf(288, 576, 576), 48, 96, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const TMetafile m(c.file);
        EXPECT_EQ(m.width(), c.width);
        EXPECT_EQ(m.height(), c.height);
        EXPECT_EQ(m.isEnhanced(), c.enhanced);
        EXPECT_FALSE(m.canDecode());
        EXPECT_EQ(m.image(), nullptr);
        EXPECT_EQ(m.data(), c.file);
    }
    const TMetafile unknown(Bytes{1, 2, 3, 4, 5});
    EXPECT_EQ(unknown.width(), 0);
    EXPECT_NE(unknown.problem().find("Metafile is not valid"), std::string::npos);
    EXPECT_EQ(unknown.data(), (Bytes{1, 2, 3, 4, 5}));
}

TEST(Icon, DecodesTheLargestDeepestBitmapEntryWithItsMask) {
    const TIcon small(icoFile({{2, 2, 24, icon24()}}));
    ASSERT_TRUE(small.canDecode());
    EXPECT_EQ(small.width(), 2);
    const auto img = small.decode();
    EXPECT_EQ(img->pixels, (std::vector<uint32_t>{kRed, 0x0000FF00, kBlue, kWhite}));

    // The 4 x 4 entry wins over the 2 x 2 one; its own alpha is used.
    const TIcon two(icoFile({{2, 2, 24, icon24()}, {4, 4, 32, icon32()}}));
    EXPECT_EQ(two.width(), 4);
    EXPECT_EQ(two.decode()->pixels, std::vector<uint32_t>(16, 0x80808080));

    // Same size: the deeper entry wins.
    Bytes icon8 = iconDib(2, 2, 8, palette({kBlack}), Bytes(8, 0), Bytes(8, 0));
    const TIcon deeper(icoFile({{2, 2, 8, icon8}, {2, 2, 24, icon24()}}));
    EXPECT_EQ(deeper.decode()->pixels[0], kRed);
}

TEST(Icon, PngEntriesAreKeptAsPlaceholders) {
    const TIcon pngOnly(icoFile({{0, 0, 32, fakePng(256, 256)}}));
    EXPECT_FALSE(pngOnly.canDecode());
    EXPECT_EQ(pngOnly.width(), 256);
    EXPECT_NE(pngOnly.problem().find("PNG"), std::string::npos);
    // A bitmap entry beside a larger PNG one is drawn.
    const TIcon mixed(icoFile({{0, 0, 32, fakePng(256, 256)}, {2, 2, 24, icon24()}}));
    EXPECT_TRUE(mixed.canDecode());
    EXPECT_EQ(mixed.width(), 2);
}

TEST(Icon, DamagedIconsBecomePlaceholders) {
    Bytes outside = icoFile({{2, 2, 24, icon24()}});
    outside[18] = 0xFF;  // entry offset far outside
    Bytes noMask = icoFile({{2, 2, 24, icon24()}});
    noMask.resize(noMask.size() - 8);  // without the mask the entry is opaque
    for (const Bytes& bad : {Bytes{0, 0, 1, 0, 0, 0}, Bytes{0, 0, 1, 0, 1, 0}, outside}) {
        const TIcon g(bad);
        EXPECT_FALSE(g.canDecode());
        EXPECT_EQ(g.image(), nullptr);
    }
    EXPECT_EQ(TIcon(noMask).decode()->pixels[1], kGreen);
}

TEST(Sniffing, RecognisesEachKindBySignature) {
    Bytes bmp = bmpFile(dibHeader(40, 1, 1, 24, 0), {}, {0, 0, 0xFF, 0});
    Bytes emf = emfFile(2540, 2540);
    Bytes blob{1, 0, 0, 1};
    putU32(blob, static_cast<uint32_t>(bmp.size()));
    append(blob, bmp);
    const struct {
        const char* name;
        Bytes data;
        const char* className;  // nullptr: no graphic
    } cases[] = {
        {"bitmap", bmp, "TBitmap"},
        {"bitmap behind a blob header", blob, "TBitmap"},
        {"JPEG", {0xFF, 0xD8, 0xFF, 0xE0, 0, 0}, "TJPEGImage"},
        {"placeable metafile", placeableWmf(100, 100, 1440), "TMetafile"},
        {"enhanced metafile", emf, "TMetafile"},
        {"enhanced metafile of 100 bytes or less", Bytes(emf.begin(), emf.begin() + 100), nullptr},
        {"icon", icoFile({{2, 2, 24, icon24()}}), "TIcon"},
        {"cursor (type 2)", {0, 0, 2, 0, 1, 0}, nullptr},
        {"plain text", {'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'}, nullptr},
        {"empty", {}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto g = graphicFromBytes(c.data);
        if (!c.className) {
            EXPECT_EQ(g, nullptr);
            continue;
        }
        ASSERT_NE(g, nullptr);
        EXPECT_STREQ(g->className(), c.className);
    }
    EXPECT_EQ(graphicFromBytes(blob)->data(), bmp);
}

TEST(Sniffing, FilesThatCannotBeReadOrRecognisedRaise) {
    EXPECT_THROW(graphicFromFile("/nonexistent/picture.bmp"), EFileError);
    const std::string path = ::testing::TempDir() + "/lumaro_not_a_picture.txt";
    std::FILE* f = std::fopen(path.c_str(), "wb");
    std::fputs("just text", f);
    std::fclose(f);
    try {
        graphicFromFile(path);
        ADD_FAILURE();
    } catch (const EInvalidGraphic& e) {
        EXPECT_NE(e.message().find(path), std::string::npos);
    }
    std::remove(path.c_str());
}
