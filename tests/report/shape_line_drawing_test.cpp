// Shapes and lines: geometry of each shape kind, fills and hatches, line normalisation and
// diagonal strokes.
#include <gtest/gtest.h>

#include "drawing_test_util.h"
#include "report/views/draw_context.h"
#include "report/views/line_view.h"
#include "report/views/shape_view.h"

using namespace lumaro;
using namespace lumaro::testing;

namespace {

// A shape at (10, 20), 100 × 60: X 10, Y 20, X1 110, Y1 80.
DisplayList drawnShape(TfrxShapeKind kind, double frameWidth = 1, TBrushStyle brush = bsSolid, Color color = clNone) {
    TfrxShapeView v;
    v.SetBounds(10, 20, 100, 60);
    v.SetShape(kind);
    v.Frame().SetWidth(frameWidth);
    v.SetBrushStyle(brush);
    v.SetColor(color);
    DisplayList list;
    v.Draw(DrawContext{list, 1, 1, 0, 0});
    return list;
}

}  // namespace

TEST(ShapeDrawing, Geometry) {
    const RectF box{10, 20, 111, 81};
    {
        const auto list = drawnShape(skRectangle);
        ASSERT_EQ(commandsOf<dl::Rect>(list).size(), 1u);
        EXPECT_EQ(commandsOf<dl::Rect>(list)[0].r, box);
    }
    {
        const auto r = commandsOf<dl::RoundRect>(drawnShape(skRoundRectangle));
        ASSERT_EQ(r.size(), 1u);
        EXPECT_EQ(r[0].r, box);
        EXPECT_EQ(r[0].cornerWidth, 15);  // min(100, 60) / 4
        EXPECT_EQ(r[0].cornerHeight, 15);
    }
    {
        const auto e = commandsOf<dl::Ellipse>(drawnShape(skEllipse));
        ASSERT_EQ(e.size(), 1u);
        EXPECT_EQ(e[0].r, box);
    }
    const struct {
        TfrxShapeKind kind;
        std::vector<PointF> points;
    } polygons[] = {
        {skTriangle, {{110, 80}, {10, 80}, {60, 20}}},
        {skDiamond, {{60, 20}, {110, 50}, {60, 80}, {10, 50}}},
    };
    for (const auto& p : polygons) {
        const auto poly = commandsOf<dl::Polygon>(drawnShape(p.kind));
        ASSERT_EQ(poly.size(), 1u);
        EXPECT_EQ(poly[0].points, p.points);
    }
}

TEST(ShapeDrawing, HalfSizesUseIntegerDivision) {
    TfrxShapeView v;
    v.SetBounds(0, 0, 7, 5);
    v.SetShape(skDiamond);
    DisplayList list;
    v.Draw(DrawContext{list, 1, 1, 0, 0});
    const std::vector<PointF> expected = {{3, 0}, {7, 2}, {3, 5}, {0, 2}};
    EXPECT_EQ(commandsOf<dl::Polygon>(list)[0].points, expected);
}

TEST(ShapeDrawing, DiagonalsAreThickStrokes) {
    const struct {
        const char* name;
        TfrxShapeKind kind;
        double width;
        std::vector<std::pair<PointF, PointF>> lines;
    } cases[] = {
        {"diagonal 1, bottom left to top right", skDiagonal1, 1, {{{10, 80}, {110, 20}}}},
        {"diagonal 2, width 3: a flat stroke, shifted vertically", skDiagonal2, 3,
         {{{10, 19}, {110, 79}}, {{10, 20}, {110, 80}}, {{10, 21}, {110, 81}}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto list = drawnShape(c.kind, c.width, bsCross, clYellow);
        EXPECT_EQ(linesOf(list), c.lines);
        EXPECT_EQ(commandsOf<dl::SetPen>(list).at(0).pen, (Pen{clBlack, 1, PenStyle::Solid}));
        EXPECT_TRUE(commandsOf<dl::SetBrush>(list).empty()) << "a stroke has nothing to fill";
    }
}

TEST(ShapeDrawing, BrushesAndPens) {
    const struct {
        const char* name;
        TBrushStyle brush;
        Color color;
        std::vector<Brush> brushes;  // one per outline drawn
    } cases[] = {
        {"solid colour", bsSolid, clYellow, {{clYellow, BrushStyle::Solid}}},
        {"no colour: clear", bsSolid, clNone, {{clWhite, BrushStyle::Clear}}},
        {"hatch over a fill", bsBDiagonal, clYellow, {{clYellow, BrushStyle::Solid}, {clBlack, BrushStyle::BDiagonal}}},
        {"hatch without a fill", bsCross, clNone, {{clBlack, BrushStyle::Cross}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto list = drawnShape(skEllipse, 2, c.brush, c.color);
        std::vector<Brush> brushes;
        for (const auto& b : commandsOf<dl::SetBrush>(list)) brushes.push_back(b.brush);
        EXPECT_EQ(brushes, c.brushes);
        EXPECT_EQ(commandsOf<dl::Ellipse>(list).size(), c.brushes.size());
        EXPECT_EQ(commandsOf<dl::SetPen>(list).at(0).pen, (Pen{clBlack, 2, PenStyle::Solid}));
    }
}

TEST(LineDrawing, LinesThatAreNotDiagonalBecomeHorizontalOrVertical) {
    const struct {
        const char* name;
        double width, height;
        double newWidth, newHeight;
        int typ;
        std::pair<PointF, PointF> line;
    } cases[] = {
        {"100 x 3: horizontal", 100, 3, 100, 0, 1 << ftTop, {{10, 20}, {110, 20}}},
        {"3 x 100: vertical", 3, 100, 0, 100, 1 << ftLeft, {{10, 20}, {10, 120}}},
        {"square: vertical", 5, 5, 0, 5, 1 << ftLeft, {{10, 20}, {10, 25}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TfrxLineView v;
        v.SetBounds(10, 20, c.width, c.height);
        v.Frame().SetTyp(TfrxFrame::kAllSides);
        // Drawing draws the normalised line and leaves the object as it is; normalize() makes
        // the object say what was drawn, and the same line is drawn again.
        DisplayList drawn;
        v.Draw(DrawContext{drawn, 1, 1, 0, 0});
        EXPECT_EQ(v.Width(), c.width);
        EXPECT_EQ(v.Frame().Typ(), TfrxFrame::kAllSides);
        v.normalize();
        EXPECT_EQ(v.Width(), c.newWidth);
        EXPECT_EQ(v.Height(), c.newHeight);
        EXPECT_EQ(v.Frame().Typ(), c.typ);
        DisplayList list;
        v.Draw(DrawContext{list, 1, 1, 0, 0});
        ASSERT_EQ(linesOf(list).size(), 1u);
        EXPECT_EQ(linesOf(list)[0], c.line);
        EXPECT_EQ(linesOf(drawn), linesOf(list));
    }
}

TEST(LineDrawing, AfterPrintUndoesTheNormalisation) {
    TfrxLineView v;
    v.SetBounds(10, 20, 100, 3);
    v.SetTagStr("tag");
    v.BeforePrint();
    v.normalize();
    v.SetLeft(50);
    v.SetTagStr("changed");
    v.AfterPrint();
    EXPECT_EQ(v.Left(), 10);
    EXPECT_EQ(v.Height(), 3);
    EXPECT_EQ(v.TagStr(), "tag");
}

TEST(LineDrawing, DiagonalLines) {
    const struct {
        const char* name;
        double width, height, frameWidth;
        TfrxFrameStyle style;
        Color color;
        std::vector<std::pair<PointF, PointF>> lines;
        PenStyle pen;
    } cases[] = {
        {"down to the right", 100, 40, 1, fsSolid, clBlack, {{{10, 20}, {110, 60}}}, PenStyle::Solid},
        {"steep, width 2: shifted horizontally", 20, 100, 2, fsDash, clBlack,
         {{{9, 20}, {29, 120}}, {{10, 20}, {30, 120}}}, PenStyle::Dash},
        {"double draws solid", -50, 50, 1, fsDouble, clBlack, {{{10, 20}, {-40, 70}}}, PenStyle::Solid},
        {"no colour: nothing", 100, 40, 1, fsSolid, clNone, {}, PenStyle::Solid},
        {"width 0: nothing", 100, 40, 0, fsSolid, clBlack, {}, PenStyle::Solid},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TfrxLineView v;
        v.SetDiagonal(true);
        v.SetBounds(10, 20, c.width, c.height);
        v.Frame().SetWidth(c.frameWidth);
        v.Frame().SetStyle(c.style);
        v.Frame().SetColor(c.color);
        DisplayList list;
        v.Draw(DrawContext{list, 1, 1, 0, 0});
        EXPECT_EQ(v.Width(), c.width) << "diagonal lines keep their size";
        EXPECT_EQ(linesOf(list), c.lines);
        if (!c.lines.empty()) {
            EXPECT_EQ(commandsOf<dl::SetPen>(list).at(0).pen, (Pen{clBlack, 1, c.pen}));
        }
    }
}
