// The barcode object: the place it takes for its code (Zoom, rotation, HAlign), the data step,
// errors of the symbology raised before anything changes, and drawing through the engine.
#include <gtest/gtest.h>

#include <functional>

#include "drawing_test_util.h"
#include "report/model/dataset.h"
#include "report/views/barcode_view.h"
#include "report/views/draw_context.h"
#include "support/raised.h"

using namespace lumaro;
using namespace lumaro::testing;

namespace {

// A Code 39 object at (100, 20), 200 × 60: the stored size is not the code's.
struct Barcode : TfrxBarCodeView {
    Barcode() { SetBounds(100, 20, 200, 60); }
};

// The device rectangle the bars fill: the smallest one covering the drawn polygons.
RectF barsOf(const DisplayList& list) {
    RectF r{1e9, 1e9, -1e9, -1e9};
    for (const auto& p : commandsOf<dl::Polygon>(list))
        for (const PointF& q : p.points)
            r = {std::min(r.left, q.x), std::min(r.top, q.y), std::max(r.right, q.x), std::max(r.bottom, q.y)};
    return r;
}

}  // namespace

TEST(BarcodeView, PlaceOfTheCode) {
    // Code 39 at ratio 2: each character, start and stop 12 modules with a gap of one between
    // them: "12345678" is 10 × 13 - 1 = 129.
    const struct {
        const char* name;
        std::function<void(TfrxBarCodeView&)> setUp;
        double zoom, left, width, height;
    } cases[] = {
        {"zoom 1: the width follows the code", [](TfrxBarCodeView&) {}, 1, 100, 129, 60},
        {"zoom 2: twice as wide", [](TfrxBarCodeView& b) { b.SetZoom(2); }, 2, 100, 258, 60},
        {"zoom 0 becomes 1", [](TfrxBarCodeView& b) { b.SetZoom(0); }, 1, 100, 129, 60},
        {"zoom just below 0.0001 becomes 1", [](TfrxBarCodeView& b) { b.SetZoom(0.00009); }, 1, 100, 129, 60},
        {"haRight keeps the right edge", [](TfrxBarCodeView& b) { b.SetHAlign(haRight); }, 1, 171, 129, 60},
        {"haCenter keeps the middle", [](TfrxBarCodeView& b) { b.SetHAlign(haCenter); }, 1, 135.5, 129, 60},
        {"haBlock moves nothing", [](TfrxBarCodeView& b) { b.SetHAlign(haBlock); }, 1, 100, 129, 60},
        {"rotation 180 as 0", [](TfrxBarCodeView& b) { b.SetRotation(180); }, 1, 100, 129, 60},
        {"rotation 90: the height follows the code, HAlign has no effect",
         [](TfrxBarCodeView& b) {
             b.SetRotation(90);
             b.SetHAlign(haRight);
         },
         1, 100, 200, 129},
        {"rotation 270 at zoom 2",
         [](TfrxBarCodeView& b) {
             b.SetRotation(270);
             b.SetZoom(2);
         },
         2, 100, 200, 258},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Barcode b;
        c.setUp(b);
        const TfrxBarCodeView::CodeFit fit = b.fitOf();
        EXPECT_EQ(b.Width(), 200) << "asking changes nothing";
        b.fitToCode();
        EXPECT_EQ(b.Zoom(), c.zoom);
        EXPECT_EQ(b.Left(), c.left);
        EXPECT_EQ(b.Width(), c.width);
        EXPECT_EQ(b.Height(), c.height);
        EXPECT_EQ(b.Top(), 20);
        EXPECT_EQ(fit.left, c.left);
        EXPECT_EQ(fit.width, c.width);
        EXPECT_EQ(fit.height, c.height);
        b.fitToCode();
        EXPECT_EQ(b.Left(), c.left) << "fitting again moves nothing";
    }
}

TEST(BarcodeView, RightAlignedCodeGrowsToTheLeft) {
    Barcode b;
    b.SetHAlign(haRight);
    b.SetText("123456");
    b.fitToCode();
    const double right = b.Left() + b.Width();
    b.SetText("12345678");
    const double left = b.Left();
    b.fitToCode();
    EXPECT_EQ(b.Left(), left - 26) << "two Code 39 characters of 13 modules";
    EXPECT_EQ(b.Left() + b.Width(), right);
}

TEST(BarcodeView, SsccAsEan128C) {
    for (const double zoom : {1.0, 2.0}) {
        SCOPED_TRACE(zoom);
        Barcode b;
        b.SetBarType(bcCodeEAN128C);
        b.SetText("00123456789012345675");
        b.SetZoom(zoom);
        b.fitToCode();
        EXPECT_EQ(b.Width(), 156 * zoom);
    }
}

TEST(BarcodeView, RejectedTextRaisesBeforeAnythingChanges) {
    Barcode b;
    b.SetBarType(bcCodeEAN13);
    b.SetText("59012A");
    b.SetZoom(0);
    b.SetHAlign(haRight);
    EXPECT_EQ(raisedMessage([&] { b.fitToCode(); }), "Barcode must be numeric");
    EXPECT_EQ(b.Left(), 100);
    EXPECT_EQ(b.Width(), 200);
    EXPECT_EQ(b.Height(), 60);
    EXPECT_EQ(b.Zoom(), 0);
    DisplayList list;
    b.SetColor(clYellow);
    EXPECT_EQ(raisedMessage([&] { b.Draw(DrawContext{list}); }), "Barcode must be numeric");
    EXPECT_TRUE(list.empty()) << "not even the background";
}

TEST(BarcodeView, DataStep) {
    TfrxUserDataSet data;
    data.SetUserName("Codes");
    data.SetFields({"sscc"});
    data.OnGetValue = [](const std::string&, Variant& v) { v = Variant(std::string("00123456789012345675")); };
    const struct {
        const char* name;
        bool bound;
        const char* expression;
        const char* text;
    } cases[] = {
        {"no binding, no expression: the stored text", false, "", "12345678"},
        {"a data field gives the text", true, "", "00123456789012345675"},
        {"a data field comes before the expression", true, "<ssccod>", "00123456789012345675"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Barcode b;
        if (c.bound) {
            b.SetBarType(bcCodeEAN128C);
            b.SetDataSet(&data);
            b.SetDataField("sscc");
        }
        b.SetExpression(c.expression);
        b.GetData();
        EXPECT_EQ(b.Text(), c.text);
        EXPECT_EQ(b.Width(), c.bound ? 156 : 129) << "fitted to the new text";
    }
}

TEST(BarcodeView, DrawsTheFittedCodeWithoutChangingTheObject) {
    Barcode b;
    b.SetHAlign(haRight);
    b.SetZoom(0);
    b.SetColor(clYellow);
    b.Frame().SetTyp(TfrxFrame::kAllSides);
    for (const double scale : {1.0, 2.0}) {
        SCOPED_TRACE(scale);
        DisplayList list;
        b.Draw(DrawContext{list, scale, scale, 10, 0});
        EXPECT_EQ(b.Left(), 100);
        EXPECT_EQ(b.Width(), 200);
        EXPECT_EQ(b.Zoom(), 0);
        // Device box: Left 171 and width 129 at the scale, shifted by the offset.
        const RectF box{10 + 171 * scale, 20 * scale, 10 + 300 * scale, 80 * scale};
        const auto fills = commandsOf<dl::FillRect>(list);
        ASSERT_FALSE(fills.empty());
        EXPECT_EQ(fills[0].r, box) << "background first";
        EXPECT_EQ(fills[0].color, clYellow);
        const RectF bars = barsOf(list);
        EXPECT_EQ(bars.left, box.left);
        EXPECT_EQ(bars.right, box.right);
        EXPECT_EQ(bars.top, box.top);
        const auto runs = list.textRuns();
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_EQ(runs[0].text, "12345678");
        EXPECT_TRUE(std::holds_alternative<dl::Line>(list.commands().back())) << "frame last";
    }
    b.SetShowText(false);
    DisplayList list;
    b.Draw(DrawContext{list});
    EXPECT_TRUE(list.textRuns().empty());
}

TEST(BarcodeView, EngineTakesTheObjectsSettings) {
    // Without a colour the spaces are white; with one, the spaces and the text band take it.
    for (const Color color : {clNone, clYellow}) {
        SCOPED_TRACE(color);
        Barcode b;
        b.SetColor(color);
        DisplayList list;
        b.Draw(DrawContext{list});
        bool spaceColour = false;
        for (const auto& s : commandsOf<dl::SetBrush>(list))
            spaceColour = spaceColour || s.brush.color == (color == clNone ? clWhite : color);
        EXPECT_TRUE(spaceColour);
    }
    Barcode b;
    b.SetBarType(bcCodeEAN13);
    b.SetText("590123412345");
    b.SetCalcCheckSum(true);
    b.SetRotation(90);
    DisplayList list;
    b.Draw(DrawContext{list});
    std::string text;
    for (const TextRun& r : list.textRuns()) {
        text += r.text;
        EXPECT_EQ(r.font.angle, 90);
    }
    EXPECT_EQ(text, "5901234123457") << "with the check digit";
}
