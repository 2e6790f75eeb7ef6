// Statements of the interpreter: each program's ShowMessage lines are compared with the
// output expected.
#include <gtest/gtest.h>

#include "script/script_runner.h"

namespace lumaro::testing {
namespace {

struct Case {
    const char* language;
    const char* program;
    const char* output;
};

const Case kCases[] = {
    // for: no pass when the start lies beyond the end; the variable keeps the last value.
    {"PascalScript", "var i: Integer; begin i := 7; for i := 5 to 1 do ShowMessage('x'); ShowMessage(i);"
                     " for i := 1 to 3 do ; ShowMessage(i); for i := 3 downto 1 do ShowMessage(i) end.",
     "7\n3\n3\n2\n1\n"},
    // exit ends only the procedure it is in.
    {"PascalScript", "procedure p; begin ShowMessage('a'); exit; ShowMessage('b') end;"
                     " begin p; ShowMessage('c') end.",
     "a\nc\n"},
    // try ... except catches the division by zero.
    {"PascalScript", "var x, y: Integer; begin y := 0; try x := 1 div 0; except y := 1; end; ShowMessage(y) end.", "1\n"},
    // finally runs on the way out of an error, which then reaches the outer handler.
    {"PascalScript", "var x: Integer; begin try try x := 1 div 0; finally ShowMessage('fin') end;"
                     " except ShowMessage('caught') end end.",
     "fin\ncaught\n"},
    // exit inside try ... finally still runs the finally part, then leaves.
    {"PascalScript", "procedure p; begin try exit; finally ShowMessage('f') end; ShowMessage('no') end; begin p end.",
     "f\n"},
    // Recursion: each level keeps its own parameter and Result.
    {"PascalScript", "function fact(n: Integer): Integer; begin if n <= 1 then Result := 1"
                     " else Result := n * fact(n - 1) end; begin ShowMessage(fact(10)) end.",
     "3628800\n"},
    {"PascalScript", "function f(n: Integer): String; var s: String; begin s := IntToStr0(n);"
                     " if n > 0 then s := s + f(n - 1) + s; Result := s end;"
                     " function IntToStr0(i: Integer): String; begin Result := '' + Chr0(i) end;"
                     " function Chr0(i: Integer): String; begin Result := Copy0('0123', i) end;"
                     " function Copy0(s: String; i: Integer): String; begin Result := s[i + 1] end;"
                     " begin ShowMessage(f(3)) end.",
     "3210123\n"},
    // A procedure called before its text (pre-declaration).
    {"PascalScript", "procedure a; begin b(1) end; procedure b(x: Integer); begin ShowMessage(x) end; begin a end.", "1\n"},
    // var parameters write back.
    {"PascalScript", "procedure inc2(var v: Integer; d: Integer); begin v := v + d end;"
                     " var i: Integer; begin i := 1; inc2(i, 5); ShowMessage(i) end.",
     "6\n"},
    // Loops with break and continue; repeat until.
    {"PascalScript", "var i: Integer; begin i := 0; while i < 10 do begin i := i + 1; if i = 3 then continue;"
                     " if i = 5 then break; ShowMessage(i) end; repeat i := i - 1 until i < 3; ShowMessage(i) end.",
     "1\n2\n4\n2\n"},
    // case with values, ranges and else.
    {"PascalScript", "var c: Integer; begin for c := 0 to 5 do case c of 1: ShowMessage('one'); 2..3, 5: ShowMessage('some')"
                     " else ShowMessage('other') end end.",
     "other\none\nsome\nsome\nother\nsome\n"},
    // Arrays of two dimensions, strings indexed by character.
    {"PascalScript", "var a: array[1..3, 0..1] of Integer; i: Integer; begin for i := 1 to 3 do begin a[i, 0] := i;"
                     " a[i, 1] := i * i end; ShowMessage(a[3, 1] + a[2, 0]) end.",
     "11\n"},
    {"PascalScript", "var s: String; begin s := 'abc'; s[2] := 'X'; ShowMessage(s + s[3]) end.", "aXcc\n"},
    {"PascalScript", "var a: array[3] of String; begin a[0] := 'x'; a[2] := 'z'; ShowMessage(a[0] + a[2]) end.", "xz\n"},
    // Appending to a text: the left side is the value before the right side runs.
    {"PascalScript", "var s: String; i: Integer; function f: String; begin s := 'changed'; Result := '!' end;"
                     " begin s := ''; for i := 1 to 3 do s := s + IntToStr(i); s := s + s; ShowMessage(s);"
                     " s := 'ab'; s := s + f; ShowMessage(s) end.",
     "123123\nab!\n"},
    // Constants, sets in conditions, compound assignment in C-like languages.
    {"PascalScript", "const n = 4; s = 'ab'; begin if n in [1, 3..5] then ShowMessage(s + 'c') end.", "abc\n"},
    {"C++Script", "{ int i, s = 0; for (i = 1; i <= 10; i++) { if (i == 7) break; s += i; } ShowMessage(s);"
                  " do { s--; } while (s > 18); ShowMessage(s); }",
     "21\n18\n"},
    {"JScript", "function f(n) { if (n < 2) return n; return f(n - 1) + f(n - 2); }"
                " x = 0; for (i = 0; i < 5; i++) x += i; ShowMessage(x); ShowMessage(f(10));",
     "10\n55\n"},
    {"BasicScript", "dim s = 0\nfor i = 10 to 1 step -3\n s = s + i\nnext\nShowMessage(s)\n"
                    "do\n s = s - 5\nloop until s < 0\nShowMessage(s)\n",
     "22\n-3\n"},
    // "&" joins texts: a number on either side is taken as its text; two numbers still add.
    {"BasicScript", "dim n = 5\nShowMessage(\"n=\" & n)\nShowMessage(n & \"x\")\nShowMessage(n & 2)\n",
     "n=5\n5x\n7\n"},
};

TEST(InterpStatements, ProgramsPrintWhatTheyCompute) {
    for (const Case& c : kCases) {
        const ScriptRun r = runScript(c.program, c.language);
        EXPECT_TRUE(r.compiled) << c.program << "\n" << r.error << " at " << r.pos;
        EXPECT_EQ(r.error, "") << c.program;
        EXPECT_EQ(r.output, c.output) << c.program;
    }
}

struct ErrorCase {
    const char* program;
    const char* error;
};

TEST(InterpStatements, RunTimeErrorsStopTheProgram) {
    const ErrorCase cases[] = {
        {"var s: String; begin s := 'abc'; ShowMessage(s[4]) end.", "Range check error"},
        {"var s: String; begin s := 'abc'; s[0] := 'x' end.", "Range check error"},
        {"var a: array[1..2] of Integer; begin a[3] := 1 end.", "Variant array index out of bounds"},
        {"var i: Integer; begin i := 0; i := 5 div i; ShowMessage('no') end.", "Division by zero"},
        // Endless recursion ends with a run-time error instead of a crash.
        {"procedure p; begin p end; begin p end.", "Stack overflow"},
        {"function f(n: Integer): Integer; begin Result := f(n + 1) + 1 end; begin ShowMessage(f(0)) end.",
         "Stack overflow"},
    };
    for (const ErrorCase& c : cases) {
        const ScriptRun r = runScript(c.program);
        EXPECT_TRUE(r.compiled) << c.program << ": " << r.error;
        EXPECT_EQ(r.error, c.error) << c.program;
        EXPECT_EQ(r.output, "") << c.program;
    }
}

}  // namespace
}  // namespace lumaro::testing

namespace lumaro::testing {
namespace {

// A host that counts statements through OnRunLine and calls Terminate ends every endless
// loop, also loops without statements in their body.
TEST(InterpStatements, StatementBudgetEndsEndlessLoops) {
    const struct {
        const char* language;
        const char* program;
    } cases[] = {
        {"PascalScript", "begin while True do ; end."},
        {"PascalScript", "begin repeat until False end."},
        {"PascalScript", "var i: Integer; begin for i := 1 to 2000000000 do begin end end."},
        {"PascalScript", "procedure p; begin while True do p end; begin p end."},
        {"JScript", "while (true);"},
        {"C++Script", "{ int i; for (i = 0; i >= 0; i = 0) ; }"},
        {"BasicScript", "do\nloop while true\n"},
    };
    for (const auto& c : cases) {
        TestScript t(c.language);
        int budget = 100;
        t.script().OnRunLine = [&](TfsScript& sender, const std::string&, const std::string&) {
            if (--budget < 0) sender.Terminate();
        };
        const ScriptRun r = t.run(c.program);
        EXPECT_TRUE(r.compiled) << c.program << ": " << r.error;
        EXPECT_LT(budget, 0) << c.program;
        EXPECT_GT(budget, -50) << c.program;
    }
}

}  // namespace
}  // namespace lumaro::testing
