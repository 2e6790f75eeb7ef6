// Template files: what is written, byte for byte, and how attribute texts are applied.
#include <gtest/gtest.h>

#include "core/error.h"
#include "core/format_settings.h"
#include "core/number_text.h"
#include "report/model/band.h"
#include "report/model/report.h"
#include "report/model/report_host.h"
#include "report/model/report_page.h"
#include "report/serializer/typed_stream.h"
#include "report/views/memo_view.h"
#include "report/views/picture_view.h"
#include "report_test_util.h"

using namespace lumaro;
using namespace lumaro::testing;

namespace {

TfrxReportPage* addPage(TfrxReport& r, const char* name = "Page1") {
    auto* p = new TfrxReportPage();
    p->SetParent(&r);
    p->SetName(name);
    return p;
}

std::string lines(const SortedStringList& l) { return l.Text(); }

}  // namespace

TEST(TemplateFormat, EmptyReportAfterClearSavesExactly) {
    TfrxReport r;
    r.Clear();
    r.ReportOptions().SetCreateDate(40000.25);
    r.ReportOptions().SetLastChange(40001.5);
    EXPECT_EQ(saveTemplate(r),
              "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
              "<TfrxReport Name=\"\" DotMatrixReport=\"False\" IniFile=\"\\Software\\Quillbase\" "
              "PreviewOptions.Buttons=\"2047\" PreviewOptions.Zoom=\"1\" PrintOptions.Printer=\"Privzeto\" "
              "ReportOptions.CreateDate=\"40000.25\" ReportOptions.Description.Text=\"\" "
              "ReportOptions.LastChange=\"40001.5\" ScriptLanguage=\"PascalScript\" "
              "ScriptText.Text=\"begin&#13;&#10;&#13;&#10;end.\" "
              "PropData=\"0844617461736574730100095661726961626C65730100055374796C650100\"/>\r\n");
}

TEST(TemplateFormat, PageWithDefaultsWritesExactlyTheseAttributes) {
    TfrxReport r;
    TfrxReportPage* page = addPage(r);
    const std::string portrait =
        "Name=\"Page1\" PaperWidth=\"210\" PaperHeight=\"297\" PaperSize=\"9\" LeftMargin=\"0\" RightMargin=\"0\" "
        "TopMargin=\"0\" BottomMargin=\"0\" ColumnWidth=\"0\" ColumnPositions.Text=\"\" HGuides.Text=\"\" "
        "VGuides.Text=\"\"";
    EXPECT_EQ(elementText(saveTemplate(r), "TfrxReportPage"), portrait);

    page->SetOrientation(poLandscape);
    EXPECT_EQ(elementText(saveTemplate(r), "TfrxReportPage"),
              "Name=\"Page1\" Orientation=\"poLandscape\" PaperWidth=\"297\" PaperHeight=\"210\" PaperSize=\"9\" "
              "LeftMargin=\"0\" RightMargin=\"0\" TopMargin=\"0\" BottomMargin=\"0\" ColumnWidth=\"0\" "
              "ColumnPositions.Text=\"\" HGuides.Text=\"\" VGuides.Text=\"\"");
}

TEST(TemplateFormat, MemoTextWithQuoteAndLineBreakSurvives) {
    TfrxReport r;
    auto* memo = add<TfrxMemoView>(*addPage(r), "Memo1");
    memo->SetText("Koda \"A\"\r\n[kos] kos & <več>");
    const std::string saved = saveTemplate(r);
    EXPECT_NE(saved.find("Memo.Text=\"Koda &#34;A&#34;&#13;&#10;[kos] kos &#38; &#60;več&#62;\""), std::string::npos);

    TfrxReport loaded;
    loadTemplate(loaded, saved);
    auto* back = dynamic_cast<TfrxMemoView*>(loaded.FindObject("Memo1"));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->Memo(), (Lines{"Koda \"A\"", "[kos] kos & <več>"}));
    EXPECT_EQ(saveTemplate(loaded), saved);
}

TEST(TemplateFormat, FrameTypInAnyLetterCaseSetsAllSides) {
    for (const char* name : {"Frame.Typ", "frame.typ", "FRAME.TYP"}) {
        TfrxReport r;
        loadTemplate(r, templateWith("", "<TfrxReportPage Name=\"Page1\"><TfrxMemoView Name=\"Memo1\" " +
                                             std::string(name) + "=\"15\"/></TfrxReportPage>"));
        auto* memo = dynamic_cast<TfrxMemoView*>(r.FindObject("Memo1"));
        ASSERT_NE(memo, nullptr) << name;
        EXPECT_EQ(memo->Frame().Typ(), TfrxFrame::kAllSides) << name;
    }
}

TEST(TemplateFormat, UnregisteredTagGivesOneErrorAndNoneOfItsChildren) {
    TfrxReport r;
    loadTemplate(r, templateWith("", "<TfrxReportPage Name=\"Page1\"><TfrxFancyView Name=\"Fancy1\">"
                                     "<TfrxMemoView Name=\"Memo1\"/></TfrxFancyView>"
                                     "<TfrxMemoView Name=\"Memo2\"/></TfrxReportPage>"));
    EXPECT_EQ(lines(r.Errors()), "Ne najdem class-a TfrxFancyView");
    EXPECT_EQ(r.FindObject("Fancy1"), nullptr);
    EXPECT_EQ(r.FindObject("Memo1"), nullptr);
    EXPECT_NE(r.FindObject("Memo2"), nullptr);
}

TEST(TemplateFormat, FloatsReadWithCommaOrPointOnEitherSystem) {
    struct Case {
        FormatSettings settings;
        const char* written;
    };
    const Case cases[] = {{FormatSettings::english(), "12,5"}, {FormatSettings::english(), "12.5"},
                          {FormatSettings::slovenian(), "12,5"}, {FormatSettings::slovenian(), "12.5"},
                          {FormatSettings::slovenian(), " 1 2,5"}};
    for (const Case& c : cases) {
        ScopedFormatSettings scoped(c.settings);
        TfrxReport r;
        loadTemplate(r, templateWith("", "<TfrxReportPage Name=\"Page1\"><TfrxMemoView Name=\"Memo1\" Left=\"" +
                                             std::string(c.written) + "\"/></TfrxReportPage>"));
        ASSERT_NE(r.FindObject("Memo1"), nullptr);
        EXPECT_EQ(r.FindObject("Memo1")->Left(), 12.5) << c.written;
        EXPECT_TRUE(r.Errors().empty()) << c.written;
    }
}

TEST(TemplateFormat, FloatsAreWrittenWithTheSystemSeparator) {
    TfrxReport r;
    add<TfrxMemoView>(*addPage(r), "Memo1")->SetLeft(12.5);
    ScopedFormatSettings sl(FormatSettings::slovenian());
    EXPECT_NE(saveTemplate(r).find("Left=\"12,5\""), std::string::npos);
}

TEST(TemplateFormat, FaultyValuesAreCollectedAndTheRestIsApplied) {
    TfrxReport r;
    loadTemplate(r, templateWith("", "<TfrxReportPage Name=\"Page1\"><TfrxMemoView Name=\"Memo1\" Left=\"abc\" "
                                     "Rotation=\"x1\" HAlign=\"haSomewhere\" Top=\"7\" Unknown=\"1\"/>"
                                     "<TfrxMemoView Name=\"memo1\" Top=\"8\"/></TfrxReportPage>"));
    EXPECT_EQ(r.Errors().lines(), (std::vector<std::string>{"'abc' is not a valid floating point value",
                                                            "'x1' is not a valid integer value",
                                                            "Invalid property value \"haSomewhere\" (Memo1.HAlign)",
                                                            "Podvojeno ime"}));
    EXPECT_EQ(r.FindObject("Memo1")->Top(), 7);
    // The second object keeps no name but is there.
    const auto& children = r.Objects()[0]->Objects();
    ASSERT_EQ(children.size(), 2u);
    EXPECT_EQ(children[1]->Name(), "");
    EXPECT_EQ(children[1]->Top(), 8);
}

TEST(TemplateFormat, ShortFormsAndEnumerationsByOrdinalOrName) {
    TfrxReport r;
    loadTemplate(r, templateWith("", "<TfrxReportPage Name=\"Page1\"><TfrxMemoView Name=\"Memo1\" l=\"1\" t=\"2\" w=\"3\" "
                                     "h=\"4\" x=\"a&#13;&#10;b\" HAlign=\"2\" VAlign=\"VACENTER\" WordWrap=\"false\"/>"
                                     "</TfrxReportPage>"));
    auto* memo = dynamic_cast<TfrxMemoView*>(r.FindObject("Memo1"));
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->Left() + memo->Top() * 10 + memo->Width() * 100 + memo->Height() * 1000, 4321);
    EXPECT_EQ(memo->Memo(), (Lines{"a", "b"}));
    EXPECT_EQ(memo->HAlign(), haCenter);
    EXPECT_EQ(memo->VAlign(), vaCenter);
    EXPECT_FALSE(memo->WordWrap());
    EXPECT_TRUE(r.Errors().empty()) << lines(r.Errors());
}

TEST(TemplateFormat, StandardPaperCodeWinsOverStoredSize) {
    TfrxReport r;
    loadTemplate(r, templateWith("", "<TfrxReportPage Name=\"Page1\" Orientation=\"poLandscape\" PaperWidth=\"100\" "
                                     "PaperHeight=\"50\" PaperSize=\"9\" LeftMargin=\"5\"/>"));
    auto* page = dynamic_cast<TfrxReportPage*>(r.FindObject("Page1"));
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->PaperWidth(), 297);
    EXPECT_EQ(page->PaperHeight(), 210);
    EXPECT_EQ(page->Width(), 1123);
    EXPECT_EQ(page->LeftMargin(), 5);
}

TEST(TemplateFormat, TemplateChangesOnlyFourOfTheEngineAndPreviewOptions) {
    TfrxReport r;
    r.SetIniFile("kept.ini");
    r.EngineOptions().SetSilentMode(true);
    loadTemplate(r, templateWith(" EngineOptions.DoublePass=\"True\" EngineOptions.ConvertNulls=\"False\" "
                                 "EngineOptions.MaxMemSize=\"99\" EngineOptions.SilentMode=\"False\" "
                                 "PreviewOptions.Modal=\"False\" PreviewOptions.OutlineVisible=\"True\" "
                                 "PreviewOptions.OutlineWidth=\"200\" PreviewOptions.Zoom=\"2\" IniFile=\"other.ini\" "
                                 "ShowProgress=\"False\" OldStyleProgress=\"True\" PrintOptions.Copies=\"3\"",
                                 ""));
    EXPECT_TRUE(r.EngineOptions().DoublePass());
    EXPECT_FALSE(r.EngineOptions().ConvertNulls());
    EXPECT_TRUE(r.PreviewOptions().OutlineVisible());
    EXPECT_EQ(r.PreviewOptions().OutlineWidth(), 200);
    EXPECT_EQ(r.EngineOptions().MaxMemSize(), 10);
    EXPECT_TRUE(r.EngineOptions().SilentMode());
    EXPECT_TRUE(r.PreviewOptions().Modal());
    EXPECT_EQ(r.PreviewOptions().Zoom(), 1);
    EXPECT_EQ(r.IniFile(), "kept.ini");
    EXPECT_TRUE(r.ShowProgress());
    EXPECT_FALSE(r.OldStyleProgress());
    EXPECT_EQ(r.PrintOptions().Copies(), 3);
}

TEST(TemplateFormat, OneLetterPasswordIsScrambledAndAsked) {
    TfrxReport r;
    addPage(r);
    r.ReportOptions().SetPassword("k");
    const std::string saved = saveTemplate(r);
    EXPECT_NE(saved.find("ReportOptions.Password=\"a\""), std::string::npos);  // 'k' (107) - 10 = 'a'
    EXPECT_EQ(r.ReportOptions().Password(), "k");

    struct Case {
        bool hook;
        const char* typed;
        bool answer;
        bool opens;
    };
    for (const Case& c : {Case{true, "k", true, true}, Case{true, "K", true, false}, Case{true, "k", false, false},
                          Case{false, "", false, false}}) {
        TfrxReport loaded;
        if (c.hook)
            loaded.Host().askPassword = [&](std::string& entered) {
                entered = c.typed;
                return c.answer;
            };
        loadTemplate(loaded, saved);
        EXPECT_EQ(loaded.FindObject("Page1") != nullptr, c.opens) << c.typed << c.answer;
        EXPECT_EQ(loaded.ReportOptions().Password(), c.opens ? "k" : "");
    }
}

TEST(TemplateFormat, VariablesAreStoredInPropData) {
    TfrxReport r;
    r.Variables().Set("kos", Variant(10));
    const std::string saved = saveTemplate(r);
    const std::string item = " Name=\"kos\" Value=\"10\"";
    std::string expected = std::string("\x08") + "Datasets" + '\x01' + '\x00' + "\x09" + "Variables" + '\x01' + '\x01' +
                           '\x0C' + static_cast<char>(item.size()) + std::string(3, '\0') + item + '\x00' + '\x00' +
                           "\x05" + "Style" + '\x01' + '\x00';
    EXPECT_NE(saved.find("PropData=\"" + hexEncode(expected) + "\""), std::string::npos) << saved;

    TfrxReport loaded;
    loadTemplate(loaded, saved);
    ASSERT_EQ(loaded.Variables().Count(), 1);
    EXPECT_TRUE(loaded.Variables().Get("KOS").identical(Variant("10")));
}

TEST(TemplateFormat, PicturePropDataIsKeptAsRead) {
    const std::string data = "0444617461" "0A12000000" "0A544A504547496D616765" "03000000FFD8FF";
    TfrxReport r;
    loadTemplate(r, templateWith("", "<TfrxReportPage Name=\"Page1\"><TfrxPictureView Name=\"Picture1\" "
                                     "Picture.PropData=\"" + std::string(data) + "\"/></TfrxReportPage>"));
    auto* picture = dynamic_cast<TfrxPictureView*>(r.FindObject("Picture1"));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Picture().GraphicClassName(), "TJPEGImage");
    EXPECT_NE(saveTemplate(r).find("Picture.PropData=\"" + std::string(data) + "\""), std::string::npos);
}

TEST(TemplateFormat, ReferencesResolveAtTheEnd) {
    TfrxReport r;
    loadTemplate(r, templateWith("", "<TfrxReportPage Name=\"Page1\">"
                                     "<TfrxReportTitle Name=\"Title\" Child=\"ChildBand\"/>"
                                     "<TfrxMemoView Name=\"Memo1\" FlowTo=\"memo2\"/>"
                                     "<TfrxMemoView Name=\"Memo2\" FlowTo=\"Nowhere\"/>"
                                     "<TfrxChild Name=\"ChildBand\" Child=\"Memo1\"/></TfrxReportPage>"));
    auto* title = dynamic_cast<TfrxBand*>(r.FindObject("Title"));
    auto* memo1 = dynamic_cast<TfrxMemoView*>(r.FindObject("Memo1"));
    auto* child = dynamic_cast<TfrxBand*>(r.FindObject("ChildBand"));
    ASSERT_TRUE(title && memo1 && child);
    EXPECT_EQ(title->Child(), r.FindObject("ChildBand"));
    EXPECT_EQ(memo1->FlowTo(), r.FindObject("Memo2"));
    EXPECT_EQ(child->Child(), nullptr);  // a memo is not a child band
    EXPECT_TRUE(r.Errors().empty());
    delete child;
    EXPECT_EQ(title->Child(), nullptr);
}

TEST(TemplateFormat, AssignCopiesDefaultsButNoChildren) {
    TfrxReport r;
    TfrxReportPage* page = addPage(r);
    auto* source = add<TfrxMasterData>(*page, "Source");
    source->SetHeight(20);
    source->SetRowCount(3);
    auto* target = add<TfrxMasterData>(*page, "Target");
    target->SetStretched(true);
    target->SetOutlineText("x");
    target->SetRowCount(9);
    add<TfrxMemoView>(*target, "Memo1");
    add<TfrxMemoView>(*source, "Memo2");

    target->Assign(*source);
    EXPECT_EQ(target->Name(), "Target");
    EXPECT_FALSE(target->Stretched());
    EXPECT_EQ(target->OutlineText(), "");
    EXPECT_EQ(target->RowCount(), 3);
    EXPECT_EQ(target->Height(), 20);
    EXPECT_TRUE(target->Objects().empty());
    EXPECT_EQ(r.FindObject("Memo1"), nullptr);

    target->AssignWithChildren(*source);
    ASSERT_EQ(target->Objects().size(), 1u);
    EXPECT_EQ(target->Objects()[0]->Name(), "");  // Memo2 is taken in this report
    EXPECT_EQ(lines(r.Errors()), "Podvojeno ime");
}

TEST(TemplateFormat, StructuralFaultRaisesAndLeavesAnEmptyTree) {
    TfrxReport r;
    addPage(r);
    EXPECT_THROW(loadTemplate(r, "<?xml version=\"1.0\"?><TfrxReport <x>"), EFormatError);
    EXPECT_TRUE(r.Objects().empty());
}

TEST(TemplateFormat, SaveAndLoadAgainGiveTheSameTemplate) {
    const std::string path = std::string(LUMARO_SOURCE_DIR) + "/examples/koda.fr3";
    TfrxReport r;
    ASSERT_TRUE(r.LoadFromFile(path));
    EXPECT_TRUE(r.Errors().empty()) << lines(r.Errors());
    const std::string once = saveTemplate(r);
    TfrxReport again;
    loadTemplate(again, once);
    EXPECT_EQ(saveTemplate(again), once);
}

TEST(TemplateFormat, PropDataTextWrittenElsewhereIsReadAsWindows1250) {
    const std::string item = " Name=\"\xC8" "as\"";  // "Čas" in Windows-1250
    const std::string data = std::string("\x05") + "Style" + '\x01' + '\x01' + '\x0C' + static_cast<char>(item.size()) +
                             std::string(3, '\0') + item + '\x00' + '\x00';
    TfrxReport r;
    loadTemplate(r, templateWith(" PropData=\"" + hexEncode(data) + "\"", ""));
    ASSERT_EQ(r.Styles().Count(), 1);
    EXPECT_EQ(r.Styles().Items(0)->Name(), "Čas");
}
