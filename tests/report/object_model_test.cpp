// The report tree: names, geometry, fonts, references, data sets, styles and the report's own
// operations.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/error.h"
#include "core/process_hook.h"
#include "core/stream.h"
#include "report/model/band.h"
#include "report/model/dataset.h"
#include "report/model/report.h"
#include "report/model/report_host.h"
#include "report/model/report_page.h"
#include "report/views/memo_view.h"
#include "report/views/picture_view.h"
#include "report/views/subreport.h"
#include "report_test_util.h"
#include "support/fixed_font_metrics.h"

using namespace lumaro;
using namespace lumaro::testing;

namespace {

class ReportTree : public ::testing::Test {
protected:
    TfrxReport report;
    TfrxReportPage* page = add<TfrxReportPage>(report, "Page1");
    TfrxMasterData* band = add<TfrxMasterData>(*page, "MasterData1");
};

}  // namespace

TEST_F(ReportTree, UniqueNameTakesTheSmallestFreeNumber) {
    add<TfrxMemoView>(*band, "Memo1");
    add<TfrxMemoView>(*page, "Memo3");
    auto* memo = add<TfrxMemoView>(*band);
    memo->MakeUniqueName();
    EXPECT_EQ(memo->Name(), "Memo2");
    auto* page2 = add<TfrxReportPage>(report);
    page2->MakeUniqueName();
    EXPECT_EQ(page2->Name(), "Page2");
    auto* data4 = add<TfrxDataBand4>(*page2);
    data4->MakeUniqueName();
    EXPECT_EQ(data4->Name(), "Data41");
}

TEST_F(ReportTree, NamesAreUniqueWithoutRegardToCase) {
    add<TfrxMemoView>(*band, "Memo1");
    auto* other = add<TfrxMemoView>(*band, "Memo2");
    try {
        other->SetName("memo1");
        FAIL() << "no exception";
    } catch (const EDuplicateName& e) {
        EXPECT_STREQ(e.what(), "Podvojeno ime");
    }
    EXPECT_EQ(other->Name(), "Memo2");
    other->SetName("MEMO2");  // its own name in another case
    EXPECT_EQ(other->Name(), "MEMO2");
    delete report.FindObject("memo1");
    other->SetName("Memo1");  // free again
    EXPECT_EQ(report.FindObject("MEMO1"), other);
}

TEST_F(ReportTree, MovingASubtreeCarriesItsNames) {
    auto* memo = add<TfrxMemoView>(*band, "Memo1");
    TfrxReport other;
    band->SetParent(&other);
    EXPECT_EQ(report.FindObject("Memo1"), nullptr);
    add<TfrxMemoView>(*page, "Memo1");  // free in the first report now
    EXPECT_THROW(add<TfrxMemoView>(other, "memo1"), EDuplicateName);
    EXPECT_EQ(other.FindObject("Memo1"), memo);
}

TEST_F(ReportTree, AllObjectsIsDepthFirstPreOrder) {
    auto* a = add<TfrxMemoView>(*band, "A");
    auto* page2 = add<TfrxReportPage>(report, "Page2");
    auto* b = add<TfrxMemoView>(*page2, "B");
    EXPECT_EQ(report.AllObjects(), (std::vector<TfrxComponent*>{page, band, a, page2, b}));
    EXPECT_EQ(a->Page(), page);
    EXPECT_EQ(a->Report(), &report);
    a->SetBounds(5, 6, 7, 8);
    band->SetLeft(10);
    band->SetTop(100);
    EXPECT_EQ(a->AbsLeft(), 15);
    EXPECT_EQ(a->AbsTop(), 106);
}

TEST(ReportPageGeometry, DefaultPageAndLandscape) {
    TfrxReportPage page;
    EXPECT_EQ(page.PaperSize(), 9);
    EXPECT_EQ(page.Width(), 794);
    EXPECT_EQ(page.Height(), 1123);
    page.SetLeftMargin(1);
    page.SetRightMargin(2);
    page.SetTopMargin(3);
    page.SetBottomMargin(4);
    page.SetOrientation(poLandscape);
    EXPECT_EQ(page.Width(), 1123);
    EXPECT_EQ(page.Height(), 794);
    EXPECT_EQ((std::vector<double>{page.LeftMargin(), page.RightMargin(), page.TopMargin(), page.BottomMargin()}),
              (std::vector<double>{3, 4, 2, 1}));
    page.SetOrientation(poPortrait);
    EXPECT_EQ((std::vector<double>{page.LeftMargin(), page.RightMargin(), page.TopMargin(), page.BottomMargin()}),
              (std::vector<double>{1, 2, 3, 4}));
    page.SetPaperWidth(100);
    EXPECT_EQ(page.PaperSize(), 256);
    EXPECT_EQ(page.Width(), 378);
    page.SetPaperSize(11);  // A5
    EXPECT_EQ(page.PaperWidth(), 148);
    EXPECT_EQ(page.PaperHeight(), 210);
}

TEST(ReportPageGeometry, TwoColumnsOnA4WithTenMillimetreMargins) {
    TfrxReportPage page;
    page.ApplyPrinterDefaults();
    EXPECT_EQ(page.LeftMargin(), 10);
    page.SetColumns(2);
    EXPECT_EQ(page.ColumnWidth(), 95);
    EXPECT_EQ(page.ColumnPositions(), (Lines{"0", "95"}));
    page.SetColumns(0);
    EXPECT_TRUE(page.ColumnPositions().empty());
}

TEST_F(ReportTree, FontFollowsTheParentUntilChanged) {
    auto* memo = add<TfrxMemoView>(*band, "Memo1");
    band->Font().SetName("Tahoma");
    EXPECT_FALSE(band->ParentFont());
    EXPECT_TRUE(memo->ParentFont());
    EXPECT_EQ(memo->Font().Name(), "Tahoma");
    memo->Font().SetSize(12);
    EXPECT_FALSE(memo->ParentFont());
    EXPECT_EQ(memo->Font().Height(), -16);
    band->Font().SetName("Courier New");
    EXPECT_EQ(memo->Font().Name(), "Tahoma");
    memo->SetParentFont(true);
    EXPECT_EQ(memo->Font().Name(), "Courier New");
    EXPECT_EQ(memo->Font().Size(), 10);
}

TEST_F(ReportTree, ReferencesAreClearedWithTheirTarget) {
    auto* memo = add<TfrxMemoView>(*band, "Memo1");
    auto* next = add<TfrxMemoView>(*band, "Memo2");
    memo->SetFlowTo(next);
    auto* sub = add<TfrxSubreport>(*band, "Subreport1");
    auto* page2 = add<TfrxReportPage>(report, "Page2");
    sub->SetPage(page2);
    EXPECT_EQ(page2->Subreport(), sub);
    delete next;
    EXPECT_EQ(memo->FlowTo(), nullptr);
    delete sub;
    EXPECT_EQ(page2->Subreport(), nullptr);
}

TEST(DataSets, NavigationWithACountedRange) {
    TfrxUserDataSet ds;
    ds.SetRangeEnd(reCount);
    ds.SetRangeEndCount(2);
    int nexts = 0;
    ds.OnNext = [&] { ++nexts; };
    ds.First();
    EXPECT_FALSE(ds.Eof());
    ds.Next();
    EXPECT_FALSE(ds.Eof());
    ds.Next();
    EXPECT_TRUE(ds.Eof());
    EXPECT_EQ(nexts, 1);  // the step that reaches the count does not call OnNext
    EXPECT_EQ(ds.RecordCount(), 2);
    ds.OnCheckEOF = [](bool& eof) { eof = false; };
    EXPECT_FALSE(ds.Eof());
}

TEST(DataSets, FoundByUserNameAndValuesFromTheHost) {
    TfrxUserDataSet ds;
    ds.SetName("frxUserDataSet1");
    EXPECT_EQ(ds.UserName(), "frxUserDataSet1");
    ds.SetUserName("Podatki");
    ds.SetName("Other");
    EXPECT_EQ(ds.UserName(), "Podatki");
    EXPECT_THROW(ds.SetUserName("  "), EConvertError);
    ds.OnGetValue = [](const std::string& field, Variant& v) { v = Variant(field + "!"); };
    EXPECT_EQ(ds.DisplayText("x"), "x!");

    TfrxReport r;
    EXPECT_EQ(frxFindDataSet(&r, "PODATKI"), &ds);
    r.DataSets().Add(&ds);
    EXPECT_EQ(r.GetDataset("podatki"), &ds);
    auto* band = add<TfrxMasterData>(*add<TfrxReportPage>(r, "Page1"), "MasterData1");
    band->SetDataSetName("Podatki");
    EXPECT_EQ(band->DataSet(), &ds);
}

TEST(Styles, NamesAreUniqueAndNumberedAutomatically) {
    TfrxStyles styles;
    TfrxStyleItem* a = styles.Add();
    TfrxStyleItem* b = styles.Add();
    EXPECT_EQ(a->Name(), "Style1");
    EXPECT_EQ(b->Name(), "Style2");
    try {
        b->SetName("STYLE1");
        FAIL();
    } catch (const Exception& e) {
        EXPECT_EQ(e.message(), "Duplicate name");
    }
    a->SetName("Naslov");
    EXPECT_EQ(styles.Add()->Name(), "Style1");
}

TEST_F(ReportTree, StyleSetFileAppliesToTextObjects) {
    auto* memo = add<TfrxMemoView>(*band, "Memo1");
    memo->SetStyle("Naslov");
    TfrxStyles set;
    set.SetName("Etikete");
    TfrxStyleItem* item = set.Add();
    item->SetName("Naslov");
    item->SetColor(clYellow);
    item->Font().SetStyle(1);
    item->Frame().SetTyp(15);
    MemoryStream file;
    set.SaveToStream(file);
    EXPECT_NE(file.data().find("<style Name=\"Etikete\">"), std::string::npos) << file.data();

    file.SetPosition(0);
    report.Styles().LoadFromStream(file);
    EXPECT_EQ(report.Styles().Name(), "Etikete");
    EXPECT_EQ(memo->Color(), clYellow);
    EXPECT_EQ(memo->Font().Style(), 1);
    EXPECT_EQ(memo->Frame().Typ(), 15);
}

TEST(ReportOperations, ClearRestoresTheNewReport) {
    TfrxReport r;
    add<TfrxReportPage>(r, "Page1");
    r.Variables().Set("kos", Variant(1));
    r.SetScriptLanguage("C++Script");
    r.PrintOptions().SetCopies(4);
    r.PreviewOptions().SetModal(false);
    r.Clear();
    EXPECT_TRUE(r.Objects().empty());
    EXPECT_EQ(r.Variables().Count(), 0);
    EXPECT_EQ(r.ScriptLanguage(), "PascalScript");
    EXPECT_EQ(r.ScriptText(), (Lines{"begin", "", "end."}));
    EXPECT_EQ(r.PrintOptions().Copies(), 1);
    EXPECT_FALSE(r.PreviewOptions().Modal());  // not reset by Clear
    EXPECT_EQ(r.SysVariables().size(), 8u);
}

TEST(ReportOperations, LoadFromMissingFile) {
    const std::string missing = (std::filesystem::temp_directory_path() / "lumaro-no-such-template.fr3").string();
    TfrxReport r;
    add<TfrxReportPage>(r, "Page1");
    EXPECT_FALSE(r.LoadFromFile(missing));
    EXPECT_TRUE(r.Objects().empty());
    EXPECT_THROW(r.LoadFromFile(missing, true), EFileError);
}

TEST(ReportOperations, SaveToFileReplacesTheFileOnlyWhenWritten) {
    const auto path = std::filesystem::temp_directory_path() / "lumaro-objmodel-save.fr3";
    TfrxReport r;
    add<TfrxReportPage>(r, "Page1");
    r.SaveToFile(path.string());
    TfrxReport back;
    EXPECT_TRUE(back.LoadFromFile(path.string()));
    EXPECT_EQ(back.FileName(), path.string());
    EXPECT_NE(back.FindObject("Page1"), nullptr);
    EXPECT_THROW(r.SaveToFile((path / "not-a-directory.fr3").string()), EFileError);
    EXPECT_TRUE(back.LoadFromFile(path.string()));  // still the complete template
    std::filesystem::remove(path);
}

TEST(ReportOperations, OpenDesignerOnAnEmptyReportAddsPage1) {
    int opened = 0;
    TfrxReport r;
    r.Host().openDesigner = [&](TfrxReport& opening) {
        ++opened;
        EXPECT_TRUE(opening.DesignerOpen());
        EXPECT_FALSE(opening.OpenDesigner());  // one designer per report
        return true;
    };
    EXPECT_TRUE(r.OpenDesigner());
    ASSERT_EQ(r.Objects().size(), 1u);
    auto* page = dynamic_cast<TfrxReportPage*>(r.Objects()[0]);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->Name(), "Page1");
    EXPECT_EQ(page->TopMargin(), 10);
    EXPECT_EQ(opened, 1);
}

TEST(ReportOperations, ErrorsAreShownOnceUnlessSilent) {
    std::vector<std::string> shown;
    const std::string text = templateWith("", "<TfrxA/><TfrxB/><TfrxA/>");
    TfrxReport r;
    r.Host().showErrors = [&](const std::string& m) { shown.push_back(m); };
    loadTemplate(r, text);
    r.EngineOptions().SetSilentMode(true);
    loadTemplate(r, text);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0], "Nastopila je(so) naslednja(e) napaka(e):\nNe najdem class-a TfrxA\nNe najdem class-a TfrxB");
}

TEST_F(ReportTree, ArrangeChildrenPlacesAlignedViews) {
    band->SetWidth(200);
    band->SetHeight(50);
    auto* left = add<TfrxMemoView>(*band, "L");
    left->SetBounds(30, 0, 20, 10);
    left->SetAlign(baLeft);
    auto* next = add<TfrxMemoView>(*band, "N");
    next->SetBounds(90, 5, 20, 10);
    next->SetAlign(baLeft);
    auto* right = add<TfrxMemoView>(*band, "R");
    right->SetBounds(100, 0, 30, 10);
    right->SetAlign(baRight);
    auto* width = add<TfrxMemoView>(*band, "W");
    width->SetBounds(60, 20, 10, 10);
    width->SetAlign(baWidth);
    auto* client = add<TfrxMemoView>(*band, "C");
    client->SetAlign(baBottom);
    client->SetHeight(5);
    band->ArrangeChildren();
    EXPECT_EQ(left->Left(), 0);
    EXPECT_EQ(next->Left(), 20);
    EXPECT_EQ(right->Left(), 170);
    EXPECT_EQ(width->Left(), 0);
    EXPECT_EQ(width->Width(), 200);
    EXPECT_EQ(client->Top(), 45);
}

TEST_F(ReportTree, SubreportOnItsOwnPageIsDestroyedWithIt) {
    auto* sub = add<TfrxSubreport>(*band, "Subreport1");
    sub->SetPage(page);
    report.Clear();
    EXPECT_TRUE(report.Objects().empty());
}

namespace {
// A 2 × 3 pixel, 24-bit bitmap file.
std::string bitmapFile() {
    std::string f = "BM";
    auto u32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) f += static_cast<char>((v >> (8 * i)) & 0xFF);
    };
    auto u16 = [&](uint16_t v) {
        f += static_cast<char>(v & 0xFF);
        f += static_cast<char>(v >> 8);
    };
    u32(78), u32(0), u32(54), u32(40), u32(2), u32(3), u16(1), u16(24);
    for (int i = 0; i < 6; ++i) u32(0);
    f += std::string(24, '\x7F');
    return f;
}
}  // namespace

TEST_F(ReportTree, PictureAutoSizeFollowsTheGraphic) {
    auto* picture = add<TfrxPictureView>(*band, "Picture1");
    picture->SetBounds(0, 0, 50, 50);
    picture->SetAutoSize(true);
    EXPECT_EQ(picture->Width(), 50);  // no graphic yet
    const std::string file = bitmapFile();
    std::string payload = std::string(1, '\x07') + "TBitmap";
    for (int i = 0; i < 4; ++i) payload += static_cast<char>((file.size() >> (8 * i)) & 0xFF);
    payload += file;
    picture->Picture().Picture().readData(ByteSpan(reinterpret_cast<const uint8_t*>(payload.data()), payload.size()));
    EXPECT_EQ(picture->Width(), 2);
    EXPECT_EQ(picture->Height(), 3);
    EXPECT_TRUE(picture->PictureChanged());
    picture->BeforeStartReport();
    EXPECT_FALSE(picture->PictureChanged());

    TfrxReport copy;
    loadTemplate(copy, saveTemplate(report));
    auto* back = dynamic_cast<TfrxPictureView*>(copy.FindObject("Picture1"));
    ASSERT_NE(back, nullptr);
    EXPECT_EQ(back->Picture().GraphicClassName(), "TBitmap");
    EXPECT_TRUE(back->Picture().Picture() == picture->Picture().Picture());
}

TEST(ReportHost, EachReportHasItsOwn) {
    std::vector<std::string> shownA, shownB;
    const std::string text = templateWith("", "<TfrxA/>");
    TfrxReport a, b, c;
    a.Host().showErrors = [&](const std::string& m) { shownA.push_back(m); };
    b.Host().showErrors = [&](const std::string& m) { shownB.push_back(m); };
    loadTemplate(a, text);
    loadTemplate(b, text);
    loadTemplate(b, text);
    loadTemplate(c, text);  // headless: shown nowhere
    EXPECT_EQ(shownA.size(), 1u);
    EXPECT_EQ(shownB.size(), 2u);
    EXPECT_FALSE(c.Host().showReport);
    EXPECT_EQ(&c.Host().metrics(), &processHost().metrics()) << "the built-in metrics";
}

TEST(ReportHost, ScopedProcessHostsNest) {
    const auto metrics = std::make_shared<const test::FixedFontMetrics>();
    TfrxMemoView orphan;
    EXPECT_FALSE(processHost().openUrl);
    int pumped = 0;
    {
        ReportHost outer;
        outer.fontMetrics = metrics;
        outer.processMessages = [&] { ++pumped; };
        const ScopedProcessHost installOuter(outer);
        EXPECT_EQ(&processHost().metrics(), metrics.get());
        EXPECT_EQ(&hostOf(orphan), &processHost()) << "an object outside any report";
        processMessages();
        {
            ReportHost inner;
            inner.openUrl = [](const std::string&) { return true; };
            const ScopedProcessHost installInner(inner);
            EXPECT_TRUE(processHost().openUrl);
            EXPECT_NE(&processHost().metrics(), metrics.get());
            processMessages();  // the inner host has none: the outer one stays
        }
        EXPECT_FALSE(processHost().openUrl);
        EXPECT_EQ(&processHost().metrics(), metrics.get());
    }
    EXPECT_EQ(pumped, 2);
    processMessages();
    EXPECT_EQ(pumped, 2) << "gone with its scope";
    EXPECT_FALSE(processHost().processMessages);

    TfrxReport report;
    report.Host().fontMetrics = metrics;
    auto* page = new TfrxReportPage();
    page->SetParent(&report);
    auto* memo = new TfrxMemoView();
    memo->SetParent(page);
    EXPECT_EQ(&hostOf(*memo).metrics(), metrics.get()) << "an object of a report has the report's host";
}
