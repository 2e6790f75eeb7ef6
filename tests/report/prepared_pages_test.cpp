// Prepared pages as a run fills them: source pages and short names, one element per printed
// band and view, the difference attributes, and reopening a saved report.
#include <gtest/gtest.h>

#include "core/stream.h"
#include "gfx/bmp_codec.h"
#include "prepared_test_util.h"
#include "report/serializer/serializer.h"
#include "report/views/picture_view.h"

using namespace lumaro;
using namespace lumaro::testing;

namespace {

// What a rebuilt page shows of each object: class, name, geometry and text.
std::string describe(TfrxReportPage& page) {
    std::string out;
    for (TfrxComponent* c : page.AllObjects()) {
        out += c->ClassName() + " " + c->Name() + " " + floatAttributeText(c->Left()) + "," +
               floatAttributeText(c->Top()) + " " + floatAttributeText(c->Width()) + "x" +
               floatAttributeText(c->Height());
        if (auto* m = dynamic_cast<TfrxCustomMemoView*>(c)) out += " \"" + m->Text() + "\"";
        out += "\n";
    }
    return out;
}

std::string describeAll(TfrxPreviewPages& pages) {
    std::string out;
    for (int i = 0; i < pages.Count(); ++i) out += "-- page " + std::to_string(i) + "\n" + describe(*pages.GetPage(i));
    return out;
}

}  // namespace

TEST(PreparedPages, ThreeLabelsMakeOneSourcePageAndOneElementPerBandAndView) {
    LabelTemplate t;
    t.run(3);
    TfrxPreviewPages& pages = t.pages();
    EXPECT_EQ(pages.SourcePageCount(), 1);
    EXPECT_EQ(pages.Dictionary().Count(), static_cast<int>(t.page->AllObjects().size()));
    ASSERT_EQ(pages.Count(), 1);
    const TfrxXMLItem& page = *pages.PageItem(0);
    EXPECT_EQ(page.Name(), "page0");
    ASSERT_EQ(page.Count(), 3);
    for (int i = 0; i < 3; ++i) {
        const TfrxXMLItem& band = *page.Items(i);
        EXPECT_EQ(band.Name(), "b1");
        EXPECT_EQ(band.Count(), static_cast<int>(t.band->Objects().size()));
        EXPECT_EQ(band.Prop("t"), floatAttributeText(i * 130.0));
        for (int k = 0; k < band.Count(); ++k) EXPECT_EQ(band.Items(k)->Count(), 0);
    }
    // Short names by kind, in the order of the template's objects.
    EXPECT_EQ(pages.Dictionary().GetSourceName("b1"), "Page0.MasterData1");
    EXPECT_EQ(pages.Dictionary().GetSourceName("s1"), "Page0.Shape1");
    EXPECT_EQ(pages.Dictionary().GetSourceName("l1"), "Page0.Line1");
    EXPECT_EQ(pages.Dictionary().GetSourceName("m1"), "Page0.Memo1");
    EXPECT_EQ(pages.Dictionary().GetSourceName("m6"), "Page0.Memo6");
    EXPECT_EQ(pages.Dictionary().GetSourceName("b2"), "Page0.BarCode1");
    // A text object normally costs its short name, its position and its text.
    EXPECT_EQ(page.Items(1)->Items(2)->Text(), " x=\"(00) 38310293100000002\"");
}

TEST(PreparedPages, RebuiltPagesShowWhatWasPrinted) {
    LabelTemplate t;
    t.run(10, 8);
    TfrxPreviewPages& pages = t.pages();
    ASSERT_EQ(pages.Count(), 2);
    TfrxReportPage& second = *pages.GetPage(1);
    ASSERT_EQ(second.Objects().size(), 2u);
    auto* band = dynamic_cast<TfrxMasterData*>(second.Objects()[1]);
    ASSERT_NE(band, nullptr);
    EXPECT_EQ(band->Name(), "MasterData1");
    EXPECT_EQ(band->Top(), 130);
    auto* sscc = dynamic_cast<TfrxMemoView*>(band->FindObject("Memo1"));
    ASSERT_NE(sscc, nullptr);
    EXPECT_EQ(sscc->Text(), "(00) 38310293100000010");
    EXPECT_EQ(sscc->HAlign(), haCenter);
    EXPECT_EQ(sscc->Left(), 10);
    auto* code = dynamic_cast<TfrxBarCodeView*>(band->FindObject("BarCode1"));
    ASSERT_NE(code, nullptr);
    EXPECT_EQ(code->Expression(), "<ssccod>");
    // The template itself is as it was.
    EXPECT_EQ(t.sscc->Text(), "(00) [ssccod]");
}

TEST(PreparedPages, SavingAndReopeningGivesTheSamePages) {
    LabelTemplate t;
    t.run(20, 8);
    t.pages().Outline().AddItem("Labels", 0);
    t.engine().SetCurY(130);
    t.pages().AddAnchor("second");
    const std::string before = describeAll(t.pages());
    const std::string file = t.saved();

    TfrxReport other;
    MemoryStream in(file);
    other.PreviewPages().LoadFromStream(in);
    TfrxPreviewPages& reopened = other.PreviewPages();
    EXPECT_EQ(reopened.Count(), 3);
    EXPECT_EQ(describeAll(reopened), before);
    EXPECT_EQ(reopened.GetAnchorPage("SECOND"), 3);
    EXPECT_EQ(reopened.Outline().Count(), 1);
    EXPECT_EQ(reopened.Outline().GetItem(0).text, "Labels");
    EXPECT_TRUE(other.Errors().empty()) << other.Errors().Text();
    // Saved again, the file is the same; the sections only files hold are gone from memory.
    MemoryStream again;
    reopened.SaveToStream(again);
    EXPECT_EQ(again.data(), file);
    EXPECT_EQ(reopened.Document().Root()->Find("sourcepages"), -1);
    EXPECT_EQ(reopened.Document().Root()->Find("dictionary"), -1);
}

TEST(PreparedPages, SavedFileHoldsTheSectionsAndReportSettings) {
    LabelTemplate t;
    t.report.PreviewOptions().SetOutlineVisible(true);
    t.report.PreviewOptions().SetOutlineWidth(200);
    t.run(1);
    const std::string file = t.saved();
    EXPECT_NE(file.find("<report><TfrxReport DotMatrixReport=\"False\" PreviewOptions.OutlineVisible=\"True\" "
                        "PreviewOptions.OutlineWidth=\"200\"/></report>"),
              std::string::npos);
    EXPECT_NE(file.find("<sourcepages><TfrxReportPage Name=\"Page1\""), std::string::npos);
    EXPECT_NE(file.find("<dictionary><b1 name=\"Page0.MasterData1\"/><b2 name=\"Page0.BarCode1\"/><l1 "),
              std::string::npos);
    EXPECT_EQ(file.find("cutted"), std::string::npos);

    TfrxReport other;
    MemoryStream in(file);
    other.PreviewPages().LoadFromStream(in);
    EXPECT_TRUE(other.PreviewOptions().OutlineVisible());
    EXPECT_EQ(other.PreviewOptions().OutlineWidth(), 200);
}

TEST(PreparedPages, TextEqualToTheTemplateTextStillCarriesX) {
    struct Case {
        const char* text;
        const char* attribute;
    };
    const Case cases[] = {
        {"LOT: [lot]", " x=\"LOT: [lot]\""},
        {"", " x=\"\""},
        {"first\r\nsecond", " x=\"first&#13;&#10;second\""},
        {"last line break\r\n", " x=\"last line break\""},
        {"say \"hi\" & <go>", " x=\"say &#34;hi&#34; &#38; &#60;go&#62;\""},
    };
    for (const Case& c : cases) {
        LabelTemplate t;
        t.lot->SetText(c.text);
        t.start();
        t.pages().AddPage(*t.page);
        t.pages().AddObject(*t.band);
        t.finish();
        const TfrxXMLItem& lot = *t.pages().PageItem(0)->Items(0)->Items(3);
        EXPECT_EQ(lot.Name(), "m2");
        EXPECT_EQ(lot.Text(), c.attribute) << c.text;
        TfrxReportPage& page = *t.pages().GetPage(0);
        EXPECT_EQ(dynamic_cast<TfrxMemoView*>(page.FindObject("Memo2"))->Text(), t.lot->Text()) << c.text;
    }
}

TEST(PreparedPages, DifferenceAttributes) {
    struct Case {
        const char* what;
        void (*change)(LabelTemplate&);
        bool finalPass;
        const char* band;  // attributes of the band element
        const char* lot;   // attributes of the second text object
    };
    const Case cases[] = {
        {"nothing changed", [](LabelTemplate&) {}, true, " t=\"20\"", " x=\"LOT: [lot]\""},
        {"geometry", [](LabelTemplate& t) { t.lot->SetBounds(11, 91.5, 161, 17); }, true, " t=\"20\"",
         " l=\"11\" t=\"91.5\" w=\"161\" h=\"17\" x=\"LOT: [lot]\""},
        {"aligned views keep their own left",
         [](LabelTemplate& t) {
             t.lot->SetAlign(baRight);
             t.lot->SetLeft(500);
         },
         true, " t=\"20\"", " Align=\"baRight\" x=\"LOT: [lot]\""},
        {"auto-width text keeps its own width",
         [](LabelTemplate& t) {
             t.lot->SetAutoWidth(true);
             t.lot->SetWidth(40);
         },
         true, " t=\"20\"", " AutoWidth=\"True\" x=\"LOT: [lot]\""},
        {"view and frame settings",
         [](LabelTemplate& t) {
             t.lot->SetColor(clRed);
             t.lot->SetURL("@2");
             t.lot->Frame().SetTyp(15);
             t.lot->Frame().SetWidth(2);
             t.lot->SetHAlign(haRight);
             t.lot->SetTag(7);
         },
         true, " t=\"20\"",
         " Tag=\"7\" Color=\"255\" URL=\"@2\" Frame.Typ=\"15\" Frame.Width=\"2\" HAlign=\"haRight\" x=\"LOT: [lot]\""},
        {"an own font is written by its height",
         [](LabelTemplate& t) {
             t.lot->Font().SetName("Courier New");
             t.lot->Font().SetHeight(-14);
             t.lot->Font().SetStyle(1);
         },
         true, " t=\"20\"",
         " ParentFont=\"False\" Font.Name=\"Courier New\" Font.Height=\"-14\" Font.Style=\"1\" x=\"LOT: [lot]\""},
        {"invisible objects are left out", [](LabelTemplate& t) { t.lot->SetVisible(false); }, true, " t=\"20\"",
         nullptr},
        {"a first pass writes geometry only",
         [](LabelTemplate& t) {
             t.lot->SetColor(clRed);
             t.lot->SetTop(95);
             t.band->SetLeft(5);
         },
         false, " l=\"5\" t=\"20\"", " t=\"95\""},
    };
    for (const Case& c : cases) {
        LabelTemplate t;
        t.start(c.finalPass);
        t.pages().AddPage(*t.page);
        c.change(t);
        t.pages().AddObject(*t.band);
        t.finish();
        const TfrxXMLItem& band = *t.pages().PageItem(0)->Items(0);
        EXPECT_EQ(band.Text(), c.band) << c.what;
        const int lotAt = band.Find("m2");
        if (!c.lot) {
            EXPECT_EQ(lotAt, -1) << c.what;
            continue;
        }
        ASSERT_GE(lotAt, 0) << c.what;
        EXPECT_EQ(band.Items(lotAt)->Text(), c.lot) << c.what;
    }
}

TEST(PreparedPages, ObjectsWithoutSourceAndViewsWrittenWhole) {
    LabelTemplate t;
    t.start();
    t.pages().AddPage(*t.page);
    // Made at run time: no source object, so its class names it and it carries everything.
    auto* extra = t.add<TfrxMemoView>(*t.band, "Extra");
    extra->SetBounds(1, 2, 3, 4);
    extra->SetText("made at run time");
    t.code->SetExpression("<lot>");
    t.pages().AddObject(*t.band);
    t.finish();
    const TfrxXMLItem& band = *t.pages().PageItem(0)->Items(0);
    const TfrxXMLItem& code = *band.Items(band.Find("b2"));
    EXPECT_NE(code.Text().find("Expression=\"&#60;lot&#62;\""), std::string::npos);
    EXPECT_NE(code.Text().find("Left=\"20\""), std::string::npos);
    const int at = band.Find("TfrxMemoView");
    ASSERT_GE(at, 0);
    EXPECT_NE(band.Items(at)->Text().find("Memo.Text=\"made at run time\""), std::string::npos);

    TfrxReportPage& page = *t.pages().GetPage(0);
    EXPECT_EQ(dynamic_cast<TfrxBarCodeView*>(page.FindObject("BarCode1"))->Expression(), "<lot>");
    bool found = false;
    for (TfrxComponent* c : page.AllObjects())
        if (auto* m = dynamic_cast<TfrxMemoView*>(c); m && m->Text() == "made at run time") found = m->Left() == 1;
    EXPECT_TRUE(found);
}

TEST(PreparedPages, PicturesAreWrittenWhenTheyChanged) {
    LabelTemplate t;
    auto* picture = t.add<TfrxPictureView>(*t.band, "Picture1");
    picture->SetBounds(400, 2, 100, 100);
    t.start();
    t.pages().AddPage(*t.page);
    t.pages().AddObject(*t.band);
    // A bitmap of 1 × 1 pixel, as a data field would give it.
    Image image;
    image.width = image.height = 1;
    image.pixels = {0xffff0000u};
    const Bytes bmp = encodeBmp(image, 24);
    picture->loadFieldData(ByteSpan(bmp.data(), bmp.size()));
    ASSERT_NE(picture->graphic(), nullptr);
    t.pages().AddObject(*t.band);
    t.finish();
    const TfrxXMLItem& page = *t.pages().PageItem(0);
    const TfrxXMLItem& first = *page.Items(0)->Items(page.Items(0)->Find("p1"));
    const TfrxXMLItem& second = *page.Items(1)->Items(page.Items(1)->Find("p1"));
    EXPECT_EQ(first.Text(), "");
    EXPECT_NE(second.Text().find(" Picture.PropData=\""), std::string::npos);
    TfrxReportPage& rebuilt = *t.pages().GetPage(0);
    std::vector<TfrxPictureView*> pictures;
    for (TfrxComponent* c : rebuilt.AllObjects())
        if (auto* p = dynamic_cast<TfrxPictureView*>(c)) pictures.push_back(p);
    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_EQ(pictures[0]->graphic(), nullptr);
    ASSERT_NE(pictures[1]->graphic(), nullptr);
    EXPECT_EQ(pictures[1]->graphic()->width(), 1);
}
