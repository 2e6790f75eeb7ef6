// The drawing steps every view shares: rectangle, background, frame and drop shadow.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "drawing_test_util.h"
#include "report/views/draw_context.h"
#include "report/views/view.h"

using namespace lumaro;
using namespace lumaro::testing;

namespace {

constexpr int kAll = TfrxFrame::kAllSides;
constexpr int kLeft = 1 << ftLeft, kRight = 1 << ftRight, kTop = 1 << ftTop, kBottom = 1 << ftBottom;

// A view at (10, 20), 100 × 50.
struct Box : TfrxView {
    Box() { SetBounds(10, 20, 100, 50); }
};

DisplayList drawn(TfrxView& v, double scale = 1) {
    DisplayList list;
    v.Draw(DrawContext{list, scale, scale, 0, 0});
    return list;
}

}  // namespace

TEST(FrameDrawing, NothingWithoutColourFrameOrShadow) {
    Box v;
    EXPECT_TRUE(drawn(v).empty());
    v.Frame().SetTyp(kAll);
    v.Frame().SetColor(clNone);
    EXPECT_TRUE(drawn(v).empty()) << "frame colour none";
    v.Frame().SetColor(clBlack);
    v.Frame().SetWidth(0);
    EXPECT_TRUE(drawn(v).empty()) << "frame width 0";
}

TEST(FrameDrawing, SolidSidesAreOneWideLineEach) {
    const struct {
        const char* name;
        double frameWidth, scale, penWidth;
        std::vector<std::pair<PointF, PointF>> lines;
    } cases[] = {
        {"width 2 at scale 1", 2, 1, 2,
         {{{10, 20}, {10, 70}}, {{110, 20}, {110, 70}}, {{10, 20}, {110, 20}}, {{10, 70}, {110, 70}}}},
        {"width 2 at scale 2", 2, 2, 4,
         {{{20, 40}, {20, 140}}, {{220, 40}, {220, 140}}, {{20, 40}, {220, 40}}, {{20, 140}, {220, 140}}}},
        {"width 1: the bottom reaches the right side's last pixel", 1, 1, 1,
         {{{10, 20}, {10, 70}}, {{110, 20}, {110, 70}}, {{10, 20}, {110, 20}}, {{10, 70}, {111, 70}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Box v;
        v.Frame().SetTyp(kAll);
        v.Frame().SetWidth(c.frameWidth);
        const DisplayList list = drawn(v, c.scale);
        const auto pens = commandsOf<dl::SetPen>(list);
        ASSERT_EQ(pens.size(), 1u);
        EXPECT_EQ(pens[0].pen, (Pen{clBlack, c.penWidth, PenStyle::Solid}));
        EXPECT_EQ(linesOf(list), c.lines);
    }
}

TEST(FrameDrawing, OnePixelFrameIsClosed) {
    Box v;
    v.Frame().SetTyp(kAll);
    EXPECT_EQ(linePixels(drawn(v)), ring(10, 20, 110, 70));
}

TEST(FrameDrawing, BackgroundFillsTheRectangle) {
    Box v;
    v.SetColor(clYellow);
    const auto fills = commandsOf<dl::FillRect>(drawn(v, 2));
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].r, (RectF{20, 40, 220, 140}));
    EXPECT_EQ(fills[0].color, clYellow);
}

TEST(FrameDrawing, HatchBackgroundIsOnePixelLarger) {
    const struct {
        Color color, pen;
    } cases[] = {{clNone, clWhite}, {clYellow, clYellow}};
    for (const auto& c : cases) {
        Box v;
        v.SetColor(c.color);
        v.SetBrushStyle(bsDiagCross);
        v.Frame().SetColor(clBlue);
        const DisplayList list = drawn(v);
        const auto rects = commandsOf<dl::Rect>(list);
        ASSERT_EQ(rects.size(), 1u);
        EXPECT_EQ(rects[0].r, (RectF{10, 20, 111, 71}));
        EXPECT_EQ(commandsOf<dl::SetBrush>(list).back().brush, (Brush{clBlue, BrushStyle::DiagCross}));
        EXPECT_EQ(commandsOf<dl::SetPen>(list).back().pen, (Pen{c.pen, 1, PenStyle::Solid}));
    }
    Box clear;
    clear.SetBrushStyle(bsClear);
    EXPECT_TRUE(drawn(clear).empty()) << "a clear brush has no hatch";
}

TEST(FrameDrawing, DropShadowSitsInsideTheSize) {
    Box v;
    v.SetColor(clYellow);
    v.Frame().SetDropShadow(true);
    v.Frame().SetShadowColor(clGray);
    const DisplayList list = drawn(v);
    // The visible box is 4 pixels narrower and lower: 10..106 × 20..66.
    EXPECT_EQ(commandsOf<dl::FillRect>(list)[0].r, (RectF{10, 20, 106, 66}));
    EXPECT_EQ(commandsOf<dl::SetPen>(list)[0].pen, (Pen{clGray, 1, PenStyle::Solid}));
    // Four columns right of the box from 4 below its top, four rows under it from 4 right of
    // its left edge to the object's right edge.
    const std::vector<std::pair<PointF, PointF>> expected = {
        {{106, 24}, {106, 66}}, {{107, 24}, {107, 66}}, {{108, 24}, {108, 66}}, {{109, 24}, {109, 66}},
        {{14, 66}, {110, 66}},  {{14, 67}, {110, 67}},  {{14, 68}, {110, 68}},  {{14, 69}, {110, 69}},
    };
    EXPECT_EQ(linesOf(list), expected);
}

TEST(FrameDrawing, ShadowScalesWithTheOutput) {
    Box v;
    v.Frame().SetDropShadow(true);
    v.Frame().SetShadowWidth(3);
    const auto px = linePixels(drawn(v, 2));
    // Object 20..220 × 40..140 at scale 2, shadow 6 pixels: box ends at 214 × 134.
    EXPECT_TRUE(px.count({214, 46}) && px.count({219, 133}) && px.count({26, 134}) && px.count({219, 139}));
    EXPECT_FALSE(px.count({213, 46}) || px.count({220, 139}) || px.count({25, 134}) || px.count({214, 45}));
}

TEST(FrameDrawing, DashedSidesAreParallelOnePixelLines) {
    const struct {
        const char* name;
        int typ;
        double width;
        TfrxFrameStyle style;
        PenStyle pen;
        std::vector<std::pair<PointF, PointF>> lines;
    } cases[] = {
        {"left, width 3", kLeft, 3, fsDash, PenStyle::Dash,
         {{{9, 20}, {9, 70}}, {{10, 20}, {10, 70}}, {{11, 20}, {11, 70}}}},
        {"left, width 2", kLeft, 2, fsDot, PenStyle::Dot, {{{9, 20}, {9, 70}}, {{10, 20}, {10, 70}}}},
        {"top, width 2", kTop, 2, fsDashDot, PenStyle::DashDot, {{{10, 19}, {110, 19}}, {{10, 20}, {110, 20}}}},
        {"bottom, width 1", kBottom, 1, fsDashDotDot, PenStyle::DashDotDot, {{{10, 70}, {111, 70}}}},
        {"right, width 4", kRight, 4, fsDash, PenStyle::Dash,
         {{{108, 20}, {108, 70}}, {{109, 20}, {109, 70}}, {{110, 20}, {110, 70}}, {{111, 20}, {111, 70}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Box v;
        v.Frame().SetTyp(c.typ);
        v.Frame().SetWidth(c.width);
        v.Frame().SetStyle(c.style);
        const DisplayList list = drawn(v);
        const auto pens = commandsOf<dl::SetPen>(list);
        ASSERT_EQ(pens.size(), 1u);
        EXPECT_EQ(pens[0].pen, (Pen{clBlack, 1, c.pen}));
        EXPECT_EQ(linesOf(list), c.lines);
    }
}

TEST(FrameDrawing, GapsOfDashedSidesTakeTheBackgroundColour) {
    Box v;
    v.SetColor(clYellow);
    v.Frame().SetTyp(kLeft | kTop);
    v.Frame().SetWidth(2);
    v.Frame().SetStyle(fsDot);
    const DisplayList list = drawn(v);
    const auto pens = commandsOf<dl::SetPen>(list);
    ASSERT_EQ(pens.size(), 2u);
    EXPECT_EQ(pens[0].pen, (Pen{clYellow, 1, PenStyle::Solid}));
    EXPECT_EQ(pens[1].pen, (Pen{clBlack, 1, PenStyle::Dot}));
    const auto lines = linesOf(list);
    ASSERT_EQ(lines.size(), 8u);
    // The same four lines, solid in the background colour under the dotted ones.
    EXPECT_TRUE(std::equal(lines.begin(), lines.begin() + 4, lines.begin() + 4));
}

TEST(FrameDrawing, DoubleSidesCloseTheirCorners) {
    const struct {
        const char* name;
        int typ;
        std::set<Pixel> pixels;
    } cases[] = {
        {"all four sides: two closed rings", kAll,
         [] {
             auto outer = ring(9, 19, 111, 71), inner = ring(11, 21, 109, 69);
             outer.insert(inner.begin(), inner.end());
             return outer;
         }()},
        {"left and top: an open corner", kLeft | kTop,
         [] {
             std::set<Pixel> p;
             for (int y = 19; y < 70; ++y) p.insert({9, y});   // outer left, longer at the top
             for (int x = 9; x < 110; ++x) p.insert({x, 19});  // outer top, longer at the left
             for (int y = 21; y < 70; ++y) p.insert({11, y});  // inner left, shorter at the top
             for (int x = 11; x < 110; ++x) p.insert({x, 21}); // inner top, shorter at the left
             return p;
         }()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Box v;
        v.Frame().SetTyp(c.typ);
        v.Frame().SetStyle(fsDouble);
        EXPECT_EQ(linePixels(drawn(v)), c.pixels);
    }
}

TEST(FrameDrawing, DoubleSidesAreFrameWidthApart) {
    Box v;
    v.SetColor(clYellow);
    v.Frame().SetTyp(kLeft);
    v.Frame().SetWidth(3);
    v.Frame().SetStyle(fsDouble);
    const DisplayList list = drawn(v);
    const auto pens = commandsOf<dl::SetPen>(list);
    ASSERT_EQ(pens.size(), 2u);
    EXPECT_EQ(pens[0].pen, (Pen{clYellow, 3, PenStyle::Solid})) << "the middle in the background colour";
    EXPECT_EQ(pens[1].pen, (Pen{clBlack, 3, PenStyle::Solid}));
    const std::vector<std::pair<PointF, PointF>> expected = {
        {{10, 20}, {10, 70}}, {{7, 20}, {7, 70}}, {{13, 20}, {13, 70}}};
    EXPECT_EQ(linesOf(list), expected);
}

TEST(FrameDrawing, ExtremeValuesStayBounded) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    for (const double v : {1e300, -1e300, inf, nan, 3e9}) {
        SCOPED_TRACE(v);
        Box b;
        b.SetBounds(v, -v, v, v);
        b.SetColor(clYellow);
        b.SetBrushStyle(bsCross);
        b.Frame().SetTyp(kAll);
        b.Frame().SetWidth(v);
        b.Frame().SetStyle(fsDash);
        b.Frame().SetDropShadow(true);
        b.Frame().SetShadowWidth(v);
        const DisplayList list = drawn(b, 2);
        EXPECT_LT(list.commands().size(), 50000u);
        for (const auto& [from, to] : linesOf(list))
            for (const double c : {from.x, from.y, to.x, to.y}) EXPECT_LE(std::fabs(c), 1e9);
    }
}

// Drawing keeps nothing in the object: a drawing at another zoom, or one made while another is
// under way (a preview page drawn inside a thumbnail), leaves every later drawing as it was.
TEST(FrameDrawing, DrawingsAtSeveralZoomsDoNotMeet) {
    Box v;
    v.SetColor(clYellow);
    v.Frame().SetTyp(kAll);
    v.Frame().SetWidth(2);
    v.Frame().SetDropShadow(true);
    const DisplayList first = drawn(v, 1);
    DisplayList outer;
    v.Draw(DrawContext{outer, 1.5, 1.5, 7, 3});
    const DisplayList zoomed = drawn(v, 4);
    DisplayList again;
    v.Draw(DrawContext{again, 1, 1, 0, 0});
    EXPECT_EQ(linesOf(again), linesOf(first));
    EXPECT_EQ(commandsOf<dl::FillRect>(again)[0].r, commandsOf<dl::FillRect>(first)[0].r);
    EXPECT_EQ(commandsOf<dl::FillRect>(zoomed)[0].r, (RectF{40, 80, 424, 264})) << "4 x (10, 20, 110, 70), less the shadow";
    EXPECT_EQ(v.Width(), 100);
}
