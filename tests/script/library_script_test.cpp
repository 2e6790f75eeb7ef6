#include <gtest/gtest.h>

#include "core/format_settings.h"
#include "script/items/proc_variable.h"
#include "script/library/event_adapters.h"
#include "script/library/system_functions.h"
#include "script/script.h"
#include "support/temp_dir.h"

using namespace lumaro;

namespace {

// Runs a PascalScript program and gives the lines it showed with ShowMessage, or the compile
// error, or the run-time error.
std::string run(const std::string& source) {
    std::string out;
    setShowMessageHook([&](const std::string& s) { out += s + "\n"; });
    TfsScript script(&fsGlobalUnit());
    script.SetText(source);
    try {
        if (!script.Compile()) out += "compile error " + script.ErrorPos() + ": " + script.ErrorMsg();
        else script.Execute();
    } catch (const std::exception& e) {
        out += std::string("error: ") + e.what();
    }
    setShowMessageHook(nullptr);
    return out;
}

}  // namespace

TEST(LibraryScripts, FunctionsCalledFromPascalScript) {
    ScopedFormatSettings english(FormatSettings::english());
    struct Case { const char* expression; const char* expected; };
    const Case cases[] = {
        {"IntToStr(12.7) + IntToStr(12.5)", "1312"},
        {"Round(13.5) + Trunc(12.7)", "26"},
        {"Copy('ABCDEF', 3, 2) + Copy('ABC', 5, 1) + IntToStr(Pos('x', 'abc'))", "CD0"},
        {"FormatFloat('000000', 42)", "000042"},
        {"Format('%d-%s-%.2f', [7, 'x', 2.5])", "7-x-2.50"},
        {"Length(12345)", "5"},
        {"DayOfWeek(EncodeDate(2000, 1, 1))", "7"},
        {"Ord('') + Ord('A')", "65"},
        {"NameCase('jOHN smith')", "John Smith"},
        {"Length(VarArrayCreate([0, 4], varVariant))", "5"},
        {"FormatDateTime('dd.mm.yyyy', EncodeDate(2024, 2, 29))", "29.02.2024"},
        {"Int(-2.5) + Frac(2.25)", "-1.75"},
        {"Pi > 3.14159", "True"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(run(std::string("begin ShowMessage(") + c.expression + ") end."), std::string(c.expected) + "\n")
            << c.expression;
}

TEST(LibraryScripts, ByReferenceArgumentsAndErrors) {
    EXPECT_EQ(run("var y, m, d: Word; s: String; i: Integer;\n"
                  "begin\n"
                  "  DecodeDate(EncodeDate(2024, 2, 29), y, m, d);\n"
                  "  ShowMessage(IntToStr(y) + '-' + IntToStr(m) + '-' + IntToStr(d));\n"
                  "  s := 'ABCDEF'; Delete(s, 2, 3); Insert('xy', s, 2); ShowMessage(s);\n"
                  "  i := 5; Inc(i); Inc(i, 10); Dec(i); ShowMessage(i);\n"
                  "  try StrToInt('abc') except ShowMessage('caught') end;\n"
                  "  RaiseException('Stop here');\n"
                  "end."),
              "2024-2-29\nAxyEF\n15\ncaught\nerror: Stop here");
}

TEST(LibraryScripts, StringListAndXmlFromPascalScript) {
    lumaro::testing::TempDir dir("script_xml");
    const std::string file = dir.file("t.xml");
    EXPECT_EQ(run("var sl: TStringList; i: Integer; doc: TfsXMLDocument; it: TfsXMLItem;\n"
                  "begin\n"
                  "  sl := TStringList.Create;\n"
                  "  sl.Sorted := True;\n"
                  "  sl.Add('pear'); sl.Add('apple'); sl.Add('fig');\n"
                  "  if sl.Find('FIG', i) then ShowMessage(i);\n"
                  "  sl.Values['a'] := '1';\n"
                  "  ShowMessage(sl.CommaText);\n"
                  "  ShowMessage(sl[0] + ' ' + sl.ClassName);\n"
                  "  sl.Free;\n"
                  "  doc := TfsXMLDocument.Create;\n"
                  "  doc.Root.Name := 'root';\n"
                  "  it := doc.Root.Add;\n"
                  "  it.Name := 'item';\n"
                  "  it.SetProp('v', 'a<b');\n"
                  "  doc.SaveToFile('" + file + "');\n"
                  "  doc.Free;\n"
                  "  doc := TfsXMLDocument.Create;\n"
                  "  doc.LoadFromFile('" + file + "');\n"
                  "  ShowMessage(doc.Root.FindItem('item').Prop('v'));\n"
                  "  ShowMessage(doc.Root.FindItem('none') = nil);\n"
                  "  doc.Free;\n"
                  "end."),
              "1\na=1,apple,fig,pear\na=1 TStringList\na<b\nTrue\n");
}

TEST(LibraryScripts, EventAdaptersPassArgumentsAndWriteBack) {
    TfsScript script(&fsGlobalUnit());
    script.SetText(
        "var seen: String;\n"
        "procedure KeyDown(Sender: TObject; var Key: Word; Shift: Integer); begin Key := Key + Shift end;\n"
        "procedure KeyPress(Sender: TObject; var Key: Char); begin Key := 'x' end;\n"
        "procedure Mouse(Sender: TObject; Button, Shift, X, Y: Integer); begin seen := IntToStr(Button + X * Y) end;\n"
        "procedure CanResize(Sender: TObject; var NewWidth, NewHeight: Integer; var Resize: Boolean);\n"
        "begin NewWidth := NewHeight * 2; NewHeight := 1; Resize := False end;\n"
        "begin end.");
    ASSERT_TRUE(script.Compile()) << script.ErrorPos() << " " << script.ErrorMsg();
    auto proc = [&](const char* name) { return dynamic_cast<TfsProcVariable*>(script.FindLocal(name)); };

    uint16_t key = 40;
    TfsKeyEvent(nullptr, proc("KeyDown")).Fire(nullptr, key, 2);
    EXPECT_EQ(key, 42);
    std::string ch = "a";
    TfsKeyPressEvent(nullptr, proc("KeyPress")).Fire(nullptr, ch);
    EXPECT_EQ(ch, "x");
    TfsMouseEvent(nullptr, proc("Mouse")).Fire(nullptr, 1, 0, 3, 4);
    EXPECT_EQ(script.FindLocal("seen")->Value().toString(), "13");
    int w = 10, h = 20;
    bool resize = true;
    TfsCanResizeEvent(nullptr, proc("CanResize")).Fire(nullptr, w, h, resize);
    EXPECT_EQ(w, 40);
    EXPECT_EQ(h, 1);
    EXPECT_FALSE(resize);
}

TEST(LibraryScripts, ClassesWithoutADisplayCompileAndRefuseAtRunTime) {
    EXPECT_EQ(run("var f: TForm; c: TCanvas; r: Integer;\n"
                  "begin\n"
                  "  if False then begin f.ShowModal; c.TextOut(0, 0, 'x') end;\n"
                  "  ShowMessage(IntToStr(mrOk + clRed + VK_RETURN) + ' ' + Application.ClassName);\n"
                  "  Application.ProcessMessages;\n"
                  "  r := MessageDlg('Q', mtConfirmation, [mbYes, mbNo], 0);\n"
                  "end."),
              "269 TApplication\nerror: MessageDlg is not available without a display");
    EXPECT_EQ(run("var s: TStringList; begin s := TStringList.Create; TCanvas(s).TextOut(1, 2, 'x') end."),
              "error: TCanvas.TextOut is not available without a display");
}
