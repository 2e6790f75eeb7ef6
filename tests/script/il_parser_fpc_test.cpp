// Free Pascal as an independent judge of Pascal syntax: programs it compiles parse here too,
// and for programs with a syntax error both report the first one on the same line.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>

#include "script/parser/il_parser.h"
#include "support/oracle.h"
#include "support/temp_dir.h"

namespace lumaro {
namespace {

using testing::runCommand;

// Line of the first syntax error fpc reports, 0 when it compiles the program.
int fpcSyntaxErrorLine(const testing::TempDir& dir, const std::string& text) {
    const std::string file = dir.file("p.pas");
    std::ofstream(file) << text;
    int status = -1;
    const std::string out = runCommand("fpc -Mdelphi -s -FE" + dir.path().string() + " " + file + " 2>&1", &status);
    if (status == 0) return 0;
    std::smatch m;
    if (std::regex_search(out, m, std::regex(R"(p\.pas\((\d+),\d+\) (Fatal|Error): Syntax error)"))) return std::stoi(m[1]);
    ADD_FAILURE() << "fpc rejected the program without a syntax error:\n" << out;
    return -1;
}

int ourSyntaxErrorLine(const std::string& text) {
    TfsILParser p;
    TfsXMLDocument il;
    ILError err;
    return p.MakeIL(text, il, err) ? 0 : err.line;
}

TEST(ILParserFpc, AgreesWithFreePascalOnSyntax) {
    LUMARO_REQUIRE_ORACLE("fpc");
    const std::string head = "program P;\nvar a, b, i: Integer; s: String;\n";
    const std::string body =
        "procedure Q(var x: Integer; const y: String);\n"
        "var k: Integer;\n"
        "begin\n"
        "  for k := 0 to 9 do\n"
        "  begin\n"
        "    x := (k * 3 + x) div 3 - Length(y);\n"
        "    if (x > 10) and not (k in [1, 3..5]) then x := x + 2 else s := y + 'x'#13#10;\n"
        "  end;\n"
        "  while x > $100 do x := x shr 1;\n"
        "  case x of 1: ; 2, 3: x := 1 else x := 0 end;\n"
        "  repeat x := x - 1 until x < 0;\n"
        "  try x := 1 div x except x := 0 end;\n"
        "end;\n";
    const std::string programs[] = {
        head + body + "begin\n  Q(a, 'a');\nend.\n",
        head + "begin\n  a := 1;\n  b : = 2;\nend.\n",
        head + "begin\n  if a > 1\n    b := 2;\nend.\n",
        head + "begin\n  a := (1 + 2;\nend.\n",
        head + "begin\n  for i = 1 to 3 do a := i;\nend.\n",
        head + "begin\n  while a < 3 a := 1;\nend.\n",
        "program P;\nvar a: Integer\n  b: Integer;\nbegin\nend.\n",
        head + body + "begin\n  repeat a := 1;\nend.\n",
    };
    testing::TempDir dir("fpc_syntax");
    for (const auto& text : programs) EXPECT_EQ(ourSyntaxErrorLine(text), fpcSyntaxErrorLine(dir, text)) << text;
}

}  // namespace
}  // namespace lumaro
