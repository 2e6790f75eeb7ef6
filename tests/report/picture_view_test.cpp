// Picture objects: placement of the graphic, the designer's placeholder, AutoSize, pictures
// from data fields; and the subreport's name.
#include <gtest/gtest.h>

#include "drawing_test_util.h"
#include "report/views/draw_context.h"
#include "gfx/byte_io.h"
#include "gfx/graphic_kinds.h"
#include "report/views/picture_graphic.h"
#include "report/views/picture_view.h"
#include "report/views/subreport.h"

using namespace lumaro;
using namespace lumaro::testing;

namespace {

Image filled(int w, int h, uint32_t argb) { return Image{w, h, std::vector<uint32_t>(size_t(w) * h, argb)}; }

Bytes bitmapBytes(int w, int h) { return TBitmap::fromImage(filled(w, h, 0xFF3366CC))->data(); }
Bytes jpegBytes(int w, int h) { return TJPEGImage::fromImage(filled(w, h, 0xFFCC6633))->data(); }

// A picture view at (10, 20), 100 × 100, holding a bitmap of w × h.
struct PictureBox : TfrxPictureView {
    PictureBox(int w, int h) {
        SetBounds(10, 20, 100, 100);
        setGraphicOf(Picture(), TBitmap::fromImage(filled(w, h, 0xFF3366CC)).get());
    }
};

RectF imageTarget(TfrxPictureView& v, double scale = 1) {
    DisplayList list;
    v.Draw(DrawContext{list, scale, scale, 0, 0});
    const auto images = commandsOf<dl::DrawImage>(list);
    return images.size() == 1 ? images[0].target : RectF{};
}

}  // namespace

TEST(PictureDrawing, Placement) {
    const struct {
        const char* name;
        int w, h;
        bool stretched, keepAspectRatio, center;
        double scale;
        RectF target;
    } cases[] = {
        {"200 x 100 kept and centred: 100 x 50 moved down by 25", 200, 100, true, true, true, 1, {10, 45, 110, 95}},
        {"kept, not centred", 200, 100, true, true, false, 1, {10, 20, 110, 70}},
        {"stretched without the ratio", 200, 100, true, false, true, 1, {10, 20, 110, 120}},
        {"at its own size times the scale", 30, 20, false, true, false, 2, {20, 40, 80, 80}},
        {"own size, centred", 30, 20, false, true, true, 1, {45, 60, 75, 80}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PictureBox v(c.w, c.h);
        v.SetStretched(c.stretched);
        v.SetKeepAspectRatio(c.keepAspectRatio);
        v.SetCenter(c.center);
        EXPECT_EQ(imageTarget(v, c.scale), c.target);
    }
}

TEST(PictureDrawing, BackgroundFirstFrameLast) {
    PictureBox v(10, 10);
    v.Frame().SetTyp(TfrxFrame::kAllSides);
    DisplayList list;
    v.Draw(DrawContext{list, 1, 1, 0, 0});
    const auto& cmds = list.commands();
    ASSERT_FALSE(cmds.empty());
    EXPECT_TRUE(std::holds_alternative<dl::FillRect>(cmds.front())) << "white background";
    EXPECT_TRUE(std::holds_alternative<dl::Line>(cmds.back()));
}

TEST(PictureDrawing, DesignerPlaceholderOnlyForDesignerObjects) {
    for (const bool designing : {false, true}) {
        SCOPED_TRACE(designing);
        TfrxPictureView v;
        v.SetBounds(10, 20, 100, 100);
        v.SetDesigning(designing);
        DisplayList list;
        v.Draw(DrawContext{list, 2, 2, 0, 0});
        const auto runs = list.textRuns();
        const auto images = commandsOf<dl::DrawImage>(list);
        if (!designing) {
            EXPECT_TRUE(runs.empty());
            EXPECT_TRUE(images.empty());
            continue;
        }
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_EQ(runs[0].text, "Slika");
        EXPECT_EQ(runs[0].origin, (PointF{40, 43}));
        EXPECT_EQ(runs[0].font.name, "Tahoma");
        EXPECT_EQ(runs[0].font.pixelSize, 11);
        ASSERT_EQ(images.size(), 1u);
        EXPECT_EQ(images[0].target.left, 21);
        EXPECT_EQ(images[0].target.top, 42);
    }
}

TEST(PictureDrawing, UndecodableGraphicShowsAPlaceholder) {
    TfrxPictureView v;
    v.SetBounds(0, 0, 50, 50);
    {
        // The stored payload: class name with its length byte, then the metafile with its length.
        const std::string payload = std::string("\x09TMetafile") + std::string("\x08\x00\x00\x00\x01\x02\x03\x04", 8);
        v.Picture().Picture().readData(ByteSpan(reinterpret_cast<const uint8_t*>(payload.data()), payload.size()));
    }
    DisplayList list;
    v.Draw(DrawContext{list, 1, 1, 0, 0});
    EXPECT_TRUE(commandsOf<dl::DrawImage>(list).empty());
    EXPECT_FALSE(commandsOf<dl::Rect>(list).empty());
    EXPECT_FALSE(linesOf(list).empty()) << "the placeholder's diagonals";
}

TEST(PictureView, AutoSizeFollowsTheGraphic) {
    PictureBox v(40, 30);
    EXPECT_EQ(v.Width(), 100) << "AutoSize is off";
    v.SetAutoSize(true);
    EXPECT_EQ(v.Width(), 40);
    EXPECT_EQ(v.Height(), 30);
    setGraphicOf(v.Picture(), TBitmap::fromImage(filled(7, 9, 0xFF000000)).get());
    EXPECT_EQ(v.Width(), 7);
    EXPECT_EQ(v.Height(), 9);
    v.Picture().Clear();
    EXPECT_EQ(v.Width(), 7) << "no graphic: the size stays";
}

TEST(PictureView, PicturesFromDataFields) {
    Bytes jpegWithBlobHeader = {1, 0, 0, 1};
    const Bytes jpeg = jpegBytes(12, 8);
    putU32(jpegWithBlobHeader, static_cast<uint32_t>(jpeg.size()));
    jpegWithBlobHeader.insert(jpegWithBlobHeader.end(), jpeg.begin(), jpeg.end());
    const std::string text = "just some text, no picture";

    const struct {
        const char* name;
        Bytes data;
        const char* graphicClass;  // nullptr: the picture is cleared
        int width;
    } cases[] = {
        {"JPEG", jpeg, "TJPEGImage", 12},
        {"JPEG behind a blob header", jpegWithBlobHeader, "TJPEGImage", 12},
        {"bitmap", bitmapBytes(5, 6), "TBitmap", 5},
        {"plain text", Bytes(text.begin(), text.end()), nullptr, 0},
        {"nothing", Bytes{}, nullptr, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PictureBox v(3, 3);
        v.loadFieldData(c.data);
        if (!c.graphicClass) {
            EXPECT_TRUE(v.Picture().IsEmpty());
            continue;
        }
        ASSERT_NE(v.graphic(), nullptr);
        EXPECT_STREQ(v.graphic()->className(), c.graphicClass);
        EXPECT_EQ(v.graphic()->width(), c.width);
        EXPECT_TRUE(v.PictureChanged());
        v.SetStretched(false);
        EXPECT_EQ(imageTarget(v).width(), c.width) << "shown";
    }
}

TEST(SubreportDrawing, ViewThenNameInItsFont) {
    TfrxSubreport s;
    s.SetName("Subreport1");
    s.SetBounds(10, 20, 100, 40);
    DisplayList list;
    s.Draw(DrawContext{list, 2, 2, 5, 0});
    EXPECT_EQ(commandsOf<dl::FillRect>(list).at(0).color, clSilver);
    EXPECT_EQ(linesOf(list).size(), 4u);
    const auto runs = list.textRuns();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].text, "Subreport1");
    EXPECT_EQ(runs[0].origin, (PointF{27, 42}));
    EXPECT_EQ(runs[0].font.name, "Tahoma");
    EXPECT_EQ(runs[0].font.pixelSize, 22);
}
