// Painting, asserted on the display list: bars as polygons, text bands and text positions,
// the four quarter turns, and the stretch into the target rectangle.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "barcode_support.h"
#include "gfx/display_list.h"
#include "support/fixed_font_metrics.h"

using namespace lumaro;
using lumaro::testing::makeBarcode;
using lumaro::testing::Settings;

namespace {

struct Box {
    double l, t, r, b;  // cells covered, inclusive
    bool operator==(const Box&) const = default;
};

struct Painted {
    std::vector<Box> boxes;          // one per element, in pattern order
    std::vector<Color> colours;      // brush colour of each box
    std::vector<RectF> bands;        // text band fills
    std::vector<TextRun> texts;
};

Painted paint(TfrxBarcode& b, const RectF& rect, bool showText = true) {
    DisplayList list;
    b.PaintTo(list, rect, showText);
    Painted p;
    Color brush = clNone;
    for (const auto& c : list.commands()) {
        if (const auto* s = std::get_if<dl::SetBrush>(&c)) brush = s->brush.color;
        if (const auto* poly = std::get_if<dl::Polygon>(&c)) {
            EXPECT_EQ(poly->points.size(), 4u);
            double l = 1e9, t = 1e9, r = -1e9, bt = -1e9;
            for (auto q : poly->points) {
                l = std::min(l, q.x), r = std::max(r, q.x), t = std::min(t, q.y), bt = std::max(bt, q.y);
            }
            p.boxes.push_back({l, t, r - 1, bt - 1});  // the cells covered
            p.colours.push_back(brush);
        }
        if (const auto* f = std::get_if<dl::FillRect>(&c)) p.bands.push_back(f->r);
    }
    p.texts = list.textRuns();
    return p;
}

TfrxBarcode sscc() { return makeBarcode(bcCodeEAN128C, "0012345678901234567", Settings{.checksum = true}); }

TEST(BarcodePaint, UprightSscc) {
    TfrxBarcode b = sscc();
    const Painted p = paint(b, RectF{0, 0, 156, 80});
    EXPECT_EQ(b.Height(), 64);
    EXPECT_EQ(b.OriginX(), 0);
    EXPECT_EQ(b.OriginY(), 0);
    const std::string pattern = b.BuildPattern();
    ASSERT_EQ(p.boxes.size(), pattern.size());
    // Start C "211232": a bar of two modules, a space of one...
    EXPECT_EQ(p.boxes[0], (Box{0, 0, 1, 64}));
    EXPECT_EQ(p.boxes[1], (Box{2, 0, 2, 64}));
    EXPECT_EQ(p.boxes.back(), (Box{154, 0, 155, 64}));
    EXPECT_EQ(p.colours[0], clBlack);
    EXPECT_EQ(p.colours[1], clWhite);
    // The whole text centred under the bars on a band from 0 to w: 20 digits of 6.672 units.
    ASSERT_EQ(p.texts.size(), 1u);
    EXPECT_EQ(p.texts[0].text, "00123456789012345675");
    EXPECT_EQ(p.texts[0].origin, (PointF{11, 66}));
    EXPECT_EQ(p.texts[0].font.name, "Arial");
    EXPECT_EQ(p.texts[0].font.pixelSize, 12);
    EXPECT_EQ(p.texts[0].font.angle, 0);
    ASSERT_EQ(p.bands.size(), 1u);
    EXPECT_EQ(p.bands[0], (RectF{0, 64, 157, 80}));
}

TEST(BarcodePaint, TextIsCentredWithTheMetricsGiven) {
    // Digits half an em wide: 20 digits of 6 units at 12 pixels, 120 units centred in 156.
    static const test::FixedFontMetrics metrics;
    TfrxBarcode b = sscc();
    b.setTextMetrics(metrics);
    const Painted p = paint(b, RectF{0, 0, 156, 80});
    ASSERT_EQ(p.texts.size(), 1u);
    EXPECT_EQ(p.texts[0].origin, (PointF{18, 66}));
}

// At 90 degrees the drawing area is w units high, the bars run along the left and the text
// band lies along the right edge, read from bottom to top.
TEST(BarcodePaint, VerticalAreaAt90Degrees) {
    TfrxBarcode b = sscc();
    b.SetAngle(90);
    const Painted p = paint(b, RectF{0, 0, 80, 156});
    EXPECT_EQ(b.Height(), 64);
    // The first bar (start symbol) is at the bottom.
    EXPECT_EQ(p.boxes[0], (Box{0, 154, 64, 155}));
    ASSERT_EQ(p.texts.size(), 1u);
    EXPECT_EQ(p.texts[0].origin, (PointF{66, 156 - 11}));
    EXPECT_EQ(p.texts[0].font.angle, 90);
    ASSERT_EQ(p.bands.size(), 1u);
    EXPECT_EQ(p.bands[0], (RectF{66, -1, 80, 156}));
}

TEST(BarcodePaint, TextPositionsAt180And270Degrees) {
    TfrxBarcode b = sscc();
    b.SetAngle(180);
    Painted p = paint(b, RectF{0, 0, 156, 80});
    EXPECT_EQ(b.OriginY(), 15);
    EXPECT_EQ(p.texts[0].origin, (PointF{156 - 11, 14}));
    EXPECT_EQ(p.texts[0].font.angle, 180);
    EXPECT_EQ(p.bands[0], (RectF{-1, 0, 156, 16}));
    b.SetAngle(270);
    p = paint(b, RectF{0, 0, 80, 156});
    EXPECT_EQ(b.OriginX(), 15);
    EXPECT_EQ(p.texts[0].origin, (PointF{14, 11}));
    EXPECT_EQ(p.texts[0].font.angle, 270);
    EXPECT_EQ(p.bands[0], (RectF{0, 0, 14, 157}));
}

// Every quarter turn covers exactly the turned cells of the upright code, inside the area.
TEST(BarcodePaint, QuarterTurnsCoverTheTurnedCellsInsideTheArea) {
    struct Case {
        TfrxBarcodeType type;
        const char* text;
    } cases[] = {{bcCodeEAN128C, "0012345678901234567"}, {bcCodeEAN13, "590123412345"},
                 {bcCodePostNet, "12345"},               {bcCode39, "AB12"}};
    for (const auto& c : cases) {
        TfrxBarcode b = makeBarcode(c.type, c.text, Settings{.checksum = true});
        const int w = b.Width();
        const int h = 70;
        const Painted upright = paint(b, RectF{0, 0, double(w), double(h)});
        for (int q = 1; q < 4; ++q) {
            b.SetAngle(q * 90);
            const bool vertical = q % 2 == 1;
            const Painted turned = paint(b, vertical ? RectF{0, 0, double(h), double(w)} : RectF{0, 0, double(w), double(h)});
            ASSERT_EQ(turned.boxes.size(), upright.boxes.size());
            for (size_t i = 0; i < upright.boxes.size(); ++i) {
                const Box u = upright.boxes[i];
                const Box expected = q == 1   ? Box{u.t, w - 1 - u.r, u.b, w - 1 - u.l}
                                     : q == 2 ? Box{w - 1 - u.r, h - 1 - u.b, w - 1 - u.l, h - 1 - u.t}
                                              : Box{h - 1 - u.b, u.l, h - 1 - u.t, u.r};
                ASSERT_EQ(turned.boxes[i], expected) << c.text << " quarter " << q << " element " << i;
                EXPECT_GE(expected.l, 0);
                EXPECT_GE(expected.t, 0);
                EXPECT_LT(expected.r, vertical ? h : w);
                EXPECT_LT(expected.b, vertical ? w : h);
            }
        }
    }
}

TEST(BarcodePaint, AnglesTurnByTheNearestQuarter) {
    TfrxBarcode b = sscc();
    const Painted upright = paint(b, RectF{0, 0, 156, 80});
    for (double angle : {360.0, -360.0, 720.0, 44.0, -44.0}) {
        b.SetAngle(angle);
        EXPECT_EQ(paint(b, RectF{0, 0, 156, 80}).boxes, upright.boxes) << angle;
    }
    b.SetAngle(90);
    const Painted left = paint(b, RectF{0, 0, 80, 156});
    for (double angle : {-270.0, 450.0, 100.0}) {
        b.SetAngle(angle);
        EXPECT_EQ(paint(b, RectF{0, 0, 80, 156}).boxes, left.boxes) << angle;
    }
}

TEST(BarcodePaint, Ean13DigitsBetweenTheGuards) {
    TfrxBarcode b = makeBarcode(bcCodeEAN13, "590123412345", Settings{.checksum = true});
    const Painted p = paint(b, RectF{0, 0, 95, 60});
    EXPECT_EQ(b.Height(), 53);  // the bars reach 9 units into the text band
    ASSERT_EQ(p.texts.size(), 3u);
    EXPECT_EQ(p.texts[0].text, "5");
    EXPECT_EQ(p.texts[0].origin, (PointF{-8, 46}));
    EXPECT_EQ(p.texts[1].text, "901234");
    EXPECT_EQ(p.texts[1].origin, (PointF{3, 46}));
    EXPECT_EQ(p.texts[2].text, "123457");
    EXPECT_EQ(p.texts[2].origin, (PointF{49, 46}));
    EXPECT_EQ(p.bands, (std::vector<RectF>{{-8, 44, -1, 60}, {3, 44, 45, 60}, {49, 44, 92, 60}}));

    // A leading 0 is not shown.
    b.SetText("001234567890");
    EXPECT_EQ(paint(b, RectF{0, 0, 95, 60}).texts.size(), 2u);

    b.SetAngle(180);
    paint(b, RectF{0, 0, 95, 60});
    EXPECT_EQ(b.OriginY(), 6);
}

TEST(BarcodePaint, UpcTextSegments) {
    TfrxBarcode a = makeBarcode(bcCodeUPC_A, "03600029145", Settings{.checksum = true});
    Painted p = paint(a, RectF{0, 0, 95, 60});
    ASSERT_EQ(p.texts.size(), 4u);
    EXPECT_EQ(p.texts[0].text, "0");
    EXPECT_EQ(p.texts[1].text, "36000");
    EXPECT_EQ(p.texts[1].origin.x, 10);
    EXPECT_EQ(p.texts[2].text, "29145");
    EXPECT_EQ(p.texts[3].text, "2");
    EXPECT_EQ(p.texts[3].origin.x, 96);

    TfrxBarcode e = makeBarcode(bcCodeUPC_E0, "123456", Settings{.checksum = true});
    p = paint(e, RectF{0, 0, 51, 60});
    ASSERT_EQ(p.texts.size(), 2u);
    EXPECT_EQ(p.texts[0].text, "123456");
    EXPECT_EQ(p.texts[1].text, "5");
    EXPECT_EQ(p.texts[1].origin.x, 52);
}

// PostNet half bars stand on the baseline of the full bars.
TEST(BarcodePaint, PostNetHalfBarsOnTheBaseline) {
    TfrxBarcode b = makeBarcode(bcCodePostNet, "1");
    const Painted p = paint(b, RectF{0, 0, double(b.Width()), 66});
    ASSERT_EQ(b.Height(), 50);
    const std::string pattern = b.BuildPattern();
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == 'A') {
            EXPECT_EQ(p.boxes[i], (Box{p.boxes[i].l, 30, p.boxes[i].r, 50}));
        }
        if (pattern[i] == '5') {
            EXPECT_EQ(p.boxes[i], (Box{p.boxes[i].l, 0, p.boxes[i].r, 50}));
        }
    }
}

TEST(BarcodePaint, StretchedIntoTheRectangle) {
    TfrxBarcode b = sscc();
    DisplayList list;
    b.PaintTo(list, RectF{10, 20, 10 + 312, 20 + 160}, true);
    EXPECT_EQ(b.Height(), 64);  // in units of the code
    const auto* first = [&]() -> const dl::Polygon* {
        for (const auto& c : list.commands())
            if (const auto* poly = std::get_if<dl::Polygon>(&c)) return poly;
        return nullptr;
    }();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->points, (std::vector<PointF>{{10, 20}, {10, 150}, {14, 150}, {14, 20}}));
    const auto runs = list.textRuns();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].font.pixelSize, 24);
    EXPECT_EQ(runs[0].origin, (PointF{32, 152}));

    // The bars fill the rectangle from edge to edge along the code, at every quarter turn.
    for (int q = 0; q < 4; ++q) {
        b.SetAngle(q * 90);
        const RectF rect = q % 2 == 0 ? RectF{10, 20, 10 + 312, 20 + 160} : RectF{10, 20, 10 + 160, 20 + 312};
        DisplayList turned;
        b.PaintTo(turned, rect, false);
        RectF bars{1e9, 1e9, -1e9, -1e9};
        for (const auto& c : turned.commands())
            if (const auto* poly = std::get_if<dl::Polygon>(&c))
                for (PointF pt : poly->points)
                    bars = {std::min(bars.left, pt.x), std::min(bars.top, pt.y), std::max(bars.right, pt.x),
                            std::max(bars.bottom, pt.y)};
        const RectF expected = q == 0   ? RectF{10, 20, 322, 150}
                               : q == 1 ? RectF{10, 20, 140, 332}
                               : q == 2 ? RectF{10, 50, 322, 180}
                                        : RectF{40, 20, 170, 332};
        EXPECT_EQ(bars, expected) << "quarter " << q;
    }
}

TEST(BarcodePaint, WithoutTextTheBandStaysFree) {
    TfrxBarcode b = sscc();
    const Painted p = paint(b, RectF{0, 0, 156, 80}, false);
    EXPECT_TRUE(p.texts.empty());
    EXPECT_TRUE(p.bands.empty());
    EXPECT_EQ(b.Height(), 64);
}

TEST(BarcodePaint, ColoursOfBarsAndSpaces) {
    TfrxBarcode b = sscc();
    b.SetColor(clNone);
    b.SetColorBar(clNavy);
    const Painted p = paint(b, RectF{0, 0, 156, 80});
    EXPECT_EQ(p.colours[0], clNavy);
    EXPECT_EQ(p.colours[1], clNone);
}

TEST(BarcodePaint, DegenerateRectanglesPaintNothing) {
    TfrxBarcode b = sscc();
    const RectF empty[] = {{0, 0, 0, 80}, {0, 0, 156, 0}, {10, 10, 0, 0}, {0, 0, 156, 0.2}, {0, 0, NAN, 80}};
    for (const RectF& r : empty) {
        DisplayList list;
        b.PaintTo(list, r, true);
        EXPECT_TRUE(list.empty());
    }
    // A long thin rectangle: the cross size is bounded, nothing overflows.
    DisplayList thin;
    b.PaintTo(thin, RectF{0, 0, 1e-300, 1e300}, true);
    // Errors of the text come first, whatever the rectangle.
    b.SetText("12a");
    DisplayList list;
    EXPECT_THROW(b.PaintTo(list, RectF{0, 0, 0, 0}, true), EBarcodeError);
}

}  // namespace
