// Report classes in scripts: published properties through the property registry, component
// members, the report library's constants, enumerations and functions, and the errors of
// members that need a running report.
#include <gtest/gtest.h>

#include "../script/script_runner.h"
#include "report/model/band.h"
#include "report/model/dataset.h"
#include "report/model/report.h"
#include "report/model/report_page.h"
#include "report/views/barcode_view.h"
#include "report/views/memo_view.h"

using namespace lumaro;
using namespace lumaro::testing;

namespace {

class ReportScript : public ::testing::Test {
protected:
    ReportScript() {
        page = new TfrxReportPage();
        page->SetParent(&report);
        page->SetName("Page1");
        band = new TfrxMasterData();
        band->SetParent(page);
        band->SetName("MasterData1");
        memo = new TfrxMemoView();
        memo->SetParent(band);
        memo->SetName("Memo1");
        memo->SetText("Hello");
    }
    TfrxBarCodeView* addBarcode() {
        auto* barcode = new TfrxBarCodeView();
        barcode->SetParent(page);
        barcode->SetName("BarCode1");
        return barcode;
    }
    // A fresh script that knows Page1 and Memo1.
    ScriptRun run(const std::string& body) {
        TestScript script;
        script.script().AddObject("Page1", page);
        script.script().AddObject("Memo1", memo);
        return script.run("begin\n" + body + "\nend.");
    }

    TfrxReport report;  // its constructor registers the report library
    TfrxReportPage* page;
    TfrxMasterData* band;
    TfrxMemoView* memo;
};

TEST_F(ReportScript, ReadsPublishedProperties) {
    memo->SetLeft(12.5);
    memo->Font().SetSize(14);
    memo->SetHAlign(haCenter);
    memo->SetWordWrap(false);
    const ScriptRun r = run(
        "ShowMessage(Memo1.Left); ShowMessage(Memo1.Text); ShowMessage(Memo1.Font.Size);"
        "ShowMessage(Memo1.HAlign = haCenter); ShowMessage(Memo1.WordWrap); ShowMessage(Memo1.Name);");
    ASSERT_TRUE(r.compiled) << r.error;
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(r.output, "12.5\nHello\n14\nTrue\nFalse\nMemo1\n");
}

TEST_F(ReportScript, WritesPublishedProperties) {
    const ScriptRun r = run(
        "Memo1.Left := 40; Memo1.Text := 'One' + #13#10 + 'Two'; Memo1.Font.Size := 20;"
        "Memo1.HAlign := haRight; Memo1.WordWrap := True; Memo1.Frame.Typ := [ftLeft, ftTop];");
    ASSERT_TRUE(r.compiled) << r.error;
    EXPECT_EQ(r.error, "");
    EXPECT_DOUBLE_EQ(memo->Left(), 40);
    EXPECT_EQ(memo->Memo(), (Lines{"One", "Two"}));
    EXPECT_EQ(memo->Font().Size(), 20);
    EXPECT_EQ(memo->HAlign(), haRight);
    EXPECT_TRUE(memo->WordWrap());
    EXPECT_EQ(memo->Frame().Typ(), 1 | 4);
}

TEST_F(ReportScript, FindsObjectsAndCastsThem) {
    TfrxBarCodeView* barcode = addBarcode();
    const ScriptRun r = run(
        "TfrxBarCodeView(Page1.FindObject('BarCode1')).Text := '123';"
        "TfrxMemoView(Page1.FindObject('memo1')).Text := 'Found';"
        "ShowMessage(Page1.FindObject('Memo1') is TfrxMemoView);"
        "ShowMessage(Page1.FindObject('MasterData1') is TfrxMemoView);"
        "ShowMessage(Memo1.Parent.Name); ShowMessage(Memo1.Page.Name);"
        "ShowMessage(Page1.AllObjects.Count); ShowMessage(Page1.Objects.Count);"
        "Memo1.SetBounds(1, 2, 3, 4); ShowMessage(Memo1.Width);");
    ASSERT_TRUE(r.compiled) << r.error;
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(memo->Text(), "Found");
    EXPECT_EQ(barcode->Text(), "123");
    EXPECT_EQ(r.output, "True\nFalse\nMasterData1\nPage1\n3\n2\n3\n");
}

TEST_F(ReportScript, BarcodeObjectsAndTheirTypes) {
    TfrxBarCodeView* barcode = addBarcode();
    const ScriptRun r = run(
        "ShowMessage(bcCode_2_5_interleaved); ShowMessage(bcCodeEAN13); ShowMessage(bcCodeEAN128C);"
        "with TfrxBarCodeView(Page1.FindObject('BarCode1')) do begin"
        "  BarType := bcCodeEAN128C; Zoom := 2; Rotation := 90;"
        "  ShowMessage(BarType = bcCodeEAN128C); end;"
        "ShowMessage(Page1.FindObject('BarCode1') is TfrxView);");
    ASSERT_TRUE(r.compiled) << r.error;
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(r.output, "0\n14\n22\nTrue\nTrue\n");
    EXPECT_EQ(barcode->BarType(), bcCodeEAN128C);
    EXPECT_EQ(barcode->Zoom(), 2);
    EXPECT_EQ(barcode->Rotation(), 90);
}

TEST_F(ReportScript, NavigatesADataSet) {
    TfrxUserDataSet data;
    data.SetName("Data1");
    data.SetFields({"Name", "Qty"});
    data.SetRangeEnd(reCount);
    data.SetRangeEndCount(3);
    data.OnGetValue = [&data](const std::string& field, Variant& value) {
        value = field + std::to_string(data.RecNo());
    };
    TestScript script;
    script.script().AddObject("Data1", &data);
    const ScriptRun r = script.run(
        "var l: TStringList;\n"
        "begin\n"
        "  Data1.First;\n"
        "  while not Data1.Eof do begin ShowMessage(Data1.Value['Qty']); Data1.Next; end;\n"
        "  ShowMessage(Data1.RecordCount); ShowMessage(Data1.RecNo); ShowMessage(Data1.FieldsCount);\n"
        "  ShowMessage(Data1.HasField('name')); ShowMessage(Data1.HasField('Price'));\n"
        "  ShowMessage(Data1.DisplayText['Name']); ShowMessage(Data1.UserName);\n"
        "  l := TStringList.Create; Data1.GetFieldList(l); ShowMessage(l.CommaText); l.Free;\n"
        "end.");
    ASSERT_TRUE(r.compiled) << r.error;
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(r.output, "Qty0\nQty1\nQty2\n3\n3\n2\nTrue\nFalse\nName3\nData1\nName,Qty\n");
}

TEST_F(ReportScript, LibraryFunctionsAndConstants) {
    const ScriptRun r = run(
        "ShowMessage(IIF(True, 'a', 'b') + IIF(1 > 2, 'a', 'b'));"
        "ShowMessage(DayOf(EncodeDate(2024, 2, 29))); ShowMessage(MonthOf(EncodeDate(2024, 2, 29)));"
        "ShowMessage(YearOf(EncodeDate(2024, 2, 29)));"
        "ShowMessage(fr1cm); ShowMessage(fr01cm); ShowMessage(fr1in); ShowMessage(fr01in);"
        "ShowMessage(fr1CharX); ShowMessage(fr1CharY); ShowMessage(clTransparent);"
        "ShowMessage(ftBottom); ShowMessage(fkDateTime); ShowMessage(fftBoolean);");
    ASSERT_TRUE(r.compiled) << r.error;
    EXPECT_EQ(r.error, "");
    EXPECT_EQ(r.output, "ab\n29\n2\n2024\n37.7953\n3.77953\n96\n9.6\n9.6\n17\n536870911\n8\n2\n2\n");
}

TEST_F(ReportScript, MembersWithoutAHostRaiseClearErrors) {
    struct Case {
        const char* body;
        const char* error;
    };
    const Case cases[] = {
        {"ShowMessage(SUM(1));", "SUM works only while a report is being prepared"},
        {"ShowMessage(COUNT);", "COUNT works only while a report is being prepared"},
        {"TfrxCustomEngine(nil).NewPage;",
         "TfrxCustomEngine.NewPage is not available: the report engine does not provide it yet"},
        {"ShowMessage(Memo1.CalcHeight);",
         "TfrxStretcheable.CalcHeight is not available: the report engine does not provide it yet"},
        {"TfrxMemoView(Page1).Text := 'x';", "TfrxCustomMemoView.Text: the object is not a TfrxCustomMemoView"},
        {"TfrxMemoView(Page1).Left := 1;", "TfrxView.Left: the object is a TfrxReportPage, not a TfrxView"},
    };
    for (const Case& c : cases) {
        const ScriptRun r = run(c.body);
        ASSERT_TRUE(r.compiled) << c.body << ": " << r.error;
        EXPECT_EQ(r.error, c.error) << c.body;
    }
}

}  // namespace
