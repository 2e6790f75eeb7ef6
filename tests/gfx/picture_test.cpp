#include <gtest/gtest.h>

#include <string>

#include "gfx/graphic_fixtures.h"
#include "gfx/graphic_kinds.h"
#include "gfx/picture.h"

using namespace lumaro;
using namespace lumaro::fixtures;

namespace {

Bytes named(const std::string& name) {
    Bytes b(name.size() + 1);
    b[0] = static_cast<uint8_t>(name.size());
    std::copy(name.begin(), name.end(), b.begin() + 1);
    return b;
}

Bytes smallBmp() { return bmpFile(dibHeader(40, 1, 1, 24, 0), {}, {0, 0, 0xFF, 0}); }
Bytes smallIco() {
    Bytes dib = dibHeader(40, 1, 1, 24, 0);
    append(dib, {0, 0, 0xFF, 0, 0, 0, 0, 0});
    return icoFile({{1, 1, 24, dib}});
}

}  // namespace

// The payload of each graphic kind, written out byte by byte.
TEST(PictureData, LayoutOfEachKindAndExactRoundTrip) {
    const Bytes bmp = smallBmp(), jpeg{0xFF, 0xD8, 0xFF, 0xD9}, emf = emfFile(2540, 2540), ico = smallIco();
    const Bytes png{0x89, 'P', 'N', 'G'};
    auto payload = [](const std::string& name, std::initializer_list<uint32_t> length, const Bytes& data) {
        Bytes p = named(name);
        for (uint32_t l : length) putU32(p, l);
        append(p, data);
        return p;
    };
    const struct {
        const char* className;
        Bytes payload;
        Bytes fileBytes;
    } cases[] = {
        {"TBitmap", payload("TBitmap", {static_cast<uint32_t>(bmp.size())}, bmp), bmp},
        {"TJPEGImage", payload("TJPEGImage", {4}, jpeg), jpeg},
        {"TMetafile", payload("TMetafile", {static_cast<uint32_t>(emf.size() + 4)}, emf), emf},
        {"TIcon", payload("TIcon", {}, ico), ico},
        {"TPngImage", payload("TPngImage", {}, png), png},  // unknown class: kept whole
        {"TMetafile", payload("TMetafile", {4}, {}), {}},   // an empty metafile
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.className);
        TPicture p;
        p.readData(c.payload);
        ASSERT_FALSE(p.isEmpty());
        EXPECT_STREQ(p.graphic()->className(), c.className);
        EXPECT_EQ(p.graphic()->data(), c.fileBytes);
        EXPECT_EQ(p.writeData(), c.payload);
    }
    // The bitmap payload begins with the length byte 7, "TBitmap" and the length of the whole file.
    TPicture p;
    p.setGraphic(std::make_unique<TBitmap>(bmp));
    const Bytes out = p.writeData();
    EXPECT_EQ(Bytes(out.begin(), out.begin() + 12), (Bytes{7, 'T', 'B', 'i', 't', 'm', 'a', 'p', 58, 0, 0, 0}));
    EXPECT_EQ(out[12], 'B');
}

TEST(PictureData, NoGraphic) {
    TPicture p;
    p.readData(Bytes{});
    EXPECT_TRUE(p.isEmpty());
    EXPECT_TRUE(p.writeData().empty());  // nothing is stored
    p.setGraphic(std::make_unique<TJPEGImage>(Bytes{0xFF, 0xD8}));
    p.readData(Bytes{0, 'x', 'y'});  // an empty class name clears
    EXPECT_TRUE(p.isEmpty());
    EXPECT_EQ(p.width(), 0);
}

TEST(PictureData, DamagedStructureRaisesAndKeepsThePicture) {
    Bytes tooShort = named("TBitmap");
    putU32(tooShort, 100);
    append(tooShort, smallBmp());
    Bytes longName{64};
    longName.resize(70, 'A');
    const struct {
        const char* name;
        Bytes payload;
        const char* message;
    } cases[] = {
        {"length past the end", tooShort, "TBitmap data of 100 bytes is longer than the 58 bytes present"},
        {"name too long", longName, "graphic class name of 64 characters (at most 63 allowed)"},
        {"name cut short", {9, 'T', 'B'}, "unexpected end of data"},
        {"name with a zero byte", {4, 'T', 0, 'x', 'y', 1, 2}, "graphic class name is not an identifier"},
        {"length cut short", {10, 'T', 'J', 'P', 'E', 'G', 'I', 'm', 'a', 'g', 'e', 4, 0}, "unexpected end of data"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TPicture p;
        p.setGraphic(std::make_unique<TBitmap>(smallBmp()));
        p.setChanged(false);
        try {
            p.readData(c.payload);
            ADD_FAILURE() << "no error";
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(e.message().rfind("Picture data is not valid: ", 0), 0u) << e.message();
            EXPECT_NE(e.message().find(c.message), std::string::npos) << e.message();
        }
        ASSERT_FALSE(p.isEmpty());
        EXPECT_STREQ(p.graphic()->className(), "TBitmap");
        EXPECT_FALSE(p.changed());
    }
}

TEST(PictureData, DamagedPixelsAreKeptForSaving) {
    Bytes garbage{'n', 'o', 't', ' ', 'a', ' ', 'b', 'm', 'p'};
    Bytes payload = named("TBitmap");
    putU32(payload, static_cast<uint32_t>(garbage.size()));
    append(payload, garbage);
    TPicture p;
    p.readData(payload);
    EXPECT_FALSE(p.graphic()->canDecode());
    EXPECT_EQ(p.writeData(), payload);
}

TEST(Picture, ChangedFlagHandlerCopiesAndEquality) {
    TPicture p;
    int calls = 0;
    p.setOnChange([&] { ++calls; });
    EXPECT_FALSE(p.changed());
    p.setGraphic(std::make_unique<TBitmap>(smallBmp()));
    EXPECT_TRUE(p.changed());
    EXPECT_EQ(p.width(), 1);
    p.setChanged(false);
    p.readData(p.writeData());
    EXPECT_TRUE(p.changed());
    EXPECT_EQ(calls, 2);

    TPicture copy(p);
    EXPECT_TRUE(copy == p);
    EXPECT_NE(copy.graphic(), p.graphic());  // a copy of the graphic, not a shared one
    TPicture other;
    EXPECT_FALSE(other == p);
    other = p;  // assigning counts as a change of `other` only
    EXPECT_TRUE(other.changed());
    EXPECT_TRUE(other == p);
    EXPECT_EQ(calls, 2);
    p.clear();
    EXPECT_EQ(calls, 3);
    EXPECT_TRUE(p.isEmpty());
    EXPECT_TRUE(TPicture() == TPicture());
}

TEST(Picture, ClassNamesAreMatchedWithoutRegardToCase) {
    Bytes payload = named("tjpegimage");
    putU32(payload, 2);
    append(payload, {0xFF, 0xD8});
    TPicture p;
    p.readData(payload);
    EXPECT_STREQ(p.graphic()->className(), "TJPEGImage");
}
