// Drawing prepared pages (margins, mirrored margins, views left out on printers, the page
// count for text objects) and what the preview finds under the mouse.
#include <gtest/gtest.h>

#include <cmath>

#include "drawing_test_util.h"
#include "prepared_test_util.h"
#include "script/script.h"

using namespace lumaro;
using namespace lumaro::testing;

namespace {

class PrinterList : public DisplayList {
public:
    bool isPrinter() const override { return true; }
};

// The left edges of the rectangles drawn.
std::vector<double> rectLefts(const DisplayList& list) {
    std::vector<double> out;
    for (const auto& r : commandsOf<dl::Rect>(list)) out.push_back(r.r.left);
    return out;
}

}  // namespace

TEST(PreparedDrawing, MarginsAndMirroredMargins) {
    struct Case {
        bool mirror;
        int page;
        double margin;  // the left margin the page is drawn with
    };
    const Case cases[] = {{false, 0, 20}, {false, 1, 20}, {true, 0, 20}, {true, 1, 5}, {true, 2, 20}};
    for (const Case& c : cases) {
        LabelTemplate t;
        t.page->SetLeftMargin(20);
        t.page->SetRightMargin(5);
        t.page->SetMirrorMargins(c.mirror);
        t.run(24, 8);
        DisplayList list;
        t.pages().DrawPage(c.page, DrawContext{list, 1, 1, 0, 0});
        const std::vector<double> lefts = rectLefts(list);
        ASSERT_EQ(lefts.size(), 8u) << c.page;
        // The label's frame lies 2 pixels into the band.
        EXPECT_EQ(lefts[0], std::nearbyint(c.margin * 3.77953 + 2)) << c.mirror << " " << c.page;
        // The margins are the page's own again afterwards.
        EXPECT_EQ(t.pages().GetPage(c.page)->LeftMargin(), 20);
        // Scaled and offset like the page.
        DisplayList zoomed;
        t.pages().DrawPage(c.page, DrawContext{zoomed, 2, 2, 100, 50});
        EXPECT_EQ(rectLefts(zoomed)[0], std::nearbyint(100 + 2 * (c.margin * 3.77953 + 2))) << c.mirror << " " << c.page;
    }
}

TEST(PreparedDrawing, ViewsThatAreNotPrintableStayOffPrinters) {
    LabelTemplate t;
    t.frame->SetPrintable(false);
    t.run(3);
    DisplayList preview;
    t.pages().DrawPage(0, DrawContext{preview, 1, 1, 0, 0});
    PrinterList printer;
    t.pages().DrawPage(0, DrawContext{printer, 1, 1, 0, 0});
    EXPECT_EQ(rectLefts(preview).size(), 3u);
    EXPECT_EQ(rectLefts(printer).size(), 0u);
    EXPECT_EQ(linesOf(printer).size(), linesOf(preview).size());
    EXPECT_FALSE(linesOf(printer).empty());
}

TEST(PreparedDrawing, ExportsOfWhatIsPrintedLeaveOutWhatIsNotPrintable) {
    LabelTemplate t;
    t.frame->SetPrintable(false);
    t.run(3);
    DisplayList list;
    DrawContext context{list};
    context.printing = true;
    t.pages().DrawPage(0, context);
    EXPECT_TRUE(rectLefts(list).empty());
}

TEST(PreparedDrawing, AViewThatRaisesIsReportedAndTheOthersAreDrawn) {
    LabelTemplate t;
    t.run(2);
    // The first label's barcode gets a text its symbology refuses.
    TfrxReportPage* page = t.pages().GetPage(0);
    auto* code = dynamic_cast<TfrxBarCodeView*>(page->FindObject("BarCode1"));
    ASSERT_NE(code, nullptr);
    code->SetBarType(bcCodeEAN13);
    code->SetText("59012A");
    DisplayList list;
    std::vector<std::string> errors;
    t.pages().DrawPage(0, DrawContext{list}, [&](const TfrxView& view, const std::exception& e) {
        errors.push_back(view.Name() + ": " + e.what());
    });
    EXPECT_EQ(errors, (std::vector<std::string>{"BarCode1: Barcode must be numeric"}));
    EXPECT_EQ(rectLefts(list).size(), 2u);
}

TEST(PreparedDrawing, TextObjectsGetThePageCount) {
    LabelTemplate t;
    t.run(20, 8);
    DisplayList list;
    t.pages().DrawPage(1, DrawContext{list, 1, 1, 0, 0});
    TfrxReportPage* page = t.pages().GetPage(1);
    for (TfrxComponent* c : page->AllObjects())
        if (auto* memo = dynamic_cast<TfrxCustomMemoView*>(c)) {
            EXPECT_EQ(memo->TotalPages(), 3);
        }
    // Nothing for a page that is not there.
    DisplayList none;
    t.pages().DrawPage(3, DrawContext{none, 1, 1, 0, 0});
    EXPECT_TRUE(none.empty());
}

TEST(PreparedDrawing, ObjectOver) {
    struct Case {
        const char* what;
        const char* url;
        int cursor;
        bool click;
        double x, y;
        TfrxObjectOverResult expected;
        const char* opened;
    };
    // The second text object of the first label lies at (10, 90) in its band, 160 × 16, the
    // band at the top of the printable area, 37.7953 pixels in from the paper's corner.
    const double x = 37.7953 + 12, y = 37.7953 + 95;
    const Case cases[] = {
        {"plain text", "", crDefault, false, x, y, {crDefault, true, "", false, 0, 0, false}, ""},
        {"nothing there", "@2", crDefault, false, 5, 5, {crDefault, false, "", false, 0, 0, false}, ""},
        {"a link shows its address", "@2", crDefault, false, x, y, {crHandPoint, true, "@2", false, 0, 0, false}, ""},
        {"the view's own cursor", "@2", -18, false, x, y, {-18, true, "@2", false, 0, 0, false}, ""},
        {"a page link", "@2", crDefault, true, x, y, {crHandPoint, true, "@2", true, 1, 0, false}, ""},
        {"an anchor", "#Total", crDefault, true, x, y, {crHandPoint, true, "#Total", true, 1, 100, false}, ""},
        {"an unknown anchor", "#none", crDefault, true, x, y, {crHandPoint, true, "#none", false, 0, 0, false}, ""},
        {"an address goes to the desktop", "https://example.com/x", crDefault, true, x, y,
         {crHandPoint, true, "https://example.com/x", false, 0, 0, false}, "https://example.com/x"},
    };
    for (const Case& c : cases) {
        LabelTemplate t;
        t.lot->SetURL(c.url);
        t.lot->SetCursor(c.cursor);
        t.start();
        t.printLabels(12, 8);
        t.engine().SetCurY(100);
        t.pages().AddAnchor("total");
        t.finish();
        std::string opened;
        t.report.Host().openUrl = [&](const std::string& address) {
            opened = address;
            return true;
        };
        TfrxComponent* over = nullptr;
        t.report.OnMouseOverObject = [&](TfrxReportComponent& view) { over = &view; };
        const TfrxObjectOverResult r = t.pages().ObjectOver(0, c.x, c.y, c.click, mbLeft, 0, 1, 0, 0);
        EXPECT_EQ(r.hit, c.expected.hit) << c.what;
        EXPECT_EQ(r.cursor, c.expected.cursor) << c.what;
        EXPECT_EQ(r.hint, c.expected.hint) << c.what;
        EXPECT_EQ(r.goToPage, c.expected.goToPage) << c.what;
        EXPECT_EQ(r.page, c.expected.page) << c.what;
        EXPECT_EQ(r.top, c.expected.top) << c.what;
        EXPECT_EQ(r.modified, c.expected.modified) << c.what;
        EXPECT_EQ(opened, c.opened) << c.what;
        if (!c.click && c.expected.hit) {
            ASSERT_NE(over, nullptr) << c.what;
            EXPECT_EQ(over->Name(), "Memo2") << c.what;
        }
    }
}

TEST(PreparedDrawing, PreviewClickProcedureCanChangeThePage) {
    LabelTemplate t;
    t.lot->SetOnPreviewClick("LotClick");
    t.run(3);
    TfsScript& script = t.report.Script();
    script.SetText(
        "procedure LotClick(Sender: TfrxView; Button, Shift: Integer; var Modified: Boolean);\n"
        "begin\n"
        "  TfrxMemoView(Sender).Text := 'clicked ' + IntToStr(Button) + ' ' + IntToStr(Shift);\n"
        "  Modified := True;\n"
        "end;\n"
        "begin\n"
        "end.");
    ASSERT_TRUE(script.Compile()) << script.ErrorMsg() << " " << script.ErrorPos();
    int clicks = 0;
    t.report.OnClickObject = [&](TfrxReportComponent&, int button, bool& modified) {
        ++clicks;
        EXPECT_EQ(button, mbRight);
        EXPECT_TRUE(modified);
    };
    const TfrxObjectOverResult r =
        t.pages().ObjectOver(0, 37.7953 + 12, 37.7953 + 130 + 95, true, mbRight, ssShift, 1, 0, 0);
    EXPECT_TRUE(r.modified);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(t.pages().PageItem(0)->Name(), "TfrxReportPage");
    TfrxReportPage* page = t.pages().GetPage(0);
    std::vector<std::string> texts;
    for (TfrxComponent* c : page->AllObjects())
        if (c->Name() == "Memo2") texts.push_back(dynamic_cast<TfrxMemoView*>(c)->Text());
    EXPECT_EQ(texts, (std::vector<std::string>{"LOT: 1", "clicked 1 1", "LOT: 3"}));
}
