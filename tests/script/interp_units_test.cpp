// Units: a program names units whose text (or intermediate program) the host supplies; they
// are built into the same script, with their own unit name in positions and executable lines.
#include <gtest/gtest.h>

#include "script/parser/il_parser.h"
#include "script/script_runner.h"
#include "script/xml/fs_xml.h"

namespace lumaro::testing {
namespace {

TEST(InterpUnits, UnitsFromTextAndFromIntermediatePrograms) {
    TestScript t;
    TfsScript& s = t.script();
    s.OnGetUnit = [](TfsScript&, const std::string& name, std::string& text) {
        if (name == "lib.pas") text = "function Twice(x: Integer): Integer;\nbegin\n  Result := x * 2\nend;\nbegin end.";
        if (name == "pre.pas") text = "begin end.";
    };
    // The intermediate program of "pre.pas" replaces what its text gave.
    TfsILParser parser;
    TfsXMLDocument il;
    ILError err;
    ASSERT_TRUE(parser.MakeIL("procedure Hello; begin ShowMessage('hello') end; begin end.", il, err));
    const std::string ilText = il.SaveToString();
    s.OnGetILUnit = [&](TfsScript&, const std::string& name, std::string& text) {
        if (name == "pre.pas") text = ilText;
    };
    const ScriptRun r = t.run("uses 'lib.pas', 'pre.pas';\nbegin\n  ShowMessage(Twice(21)); Hello\nend.");
    ASSERT_TRUE(r.compiled) << r.error << " at " << r.pos;
    EXPECT_EQ(r.output, "42\nhello\n");
    EXPECT_TRUE(s.IsExecutableLine(3, "lib.pas"));
    EXPECT_TRUE(s.IsExecutableLine(3));
    EXPECT_FALSE(s.IsExecutableLine(2, "lib.pas"));

    TestScript bad;
    bad.script().OnGetUnit = [](TfsScript&, const std::string&, std::string& text) {
        text = "begin\n  y := 1\nend.";
    };
    const ScriptRun e = bad.run("uses 'u.pas'; begin end.");
    EXPECT_EQ(e.error, "Nenaveden identifikator: 'y'");
    EXPECT_EQ(e.pos, "2:4");
    EXPECT_EQ(bad.script().ErrorUnit(), "u.pas");
}

}  // namespace
}  // namespace lumaro::testing
