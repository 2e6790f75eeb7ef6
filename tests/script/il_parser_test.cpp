// TfsILParser: which texts each language accepts, the first error and its position, and the
// shape of the intermediate program where later stages depend on it.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "core/error.h"
#include "script/grammar/language_registry.h"
#include "script/parser/il_parser.h"

namespace lumaro {
namespace {

// The intermediate program on one line, or "error L:C message".
std::string parse(const std::string& language, const std::string& text, TfsILParser* parser = nullptr) {
    TfsILParser own;
    TfsILParser& p = parser ? *parser : own;
    p.SelectLanguage(language);
    TfsXMLDocument doc;
    ILError err;
    if (!p.MakeIL(text, doc, err)) return "error " + err.pos + " " + err.message + (err.unit.empty() ? "" : " in " + err.unit);
    std::string il;
    for (char c : doc.SaveToString())
        if (c != '\n') il += c;
    return il;
}

TEST(ILParser, AcceptsOrRejectsWithTheFirstError) {
    struct Case {
        const char* language;
        const char* text;
        const char* error;  // "" when the text parses
    } cases[] = {
        {"PascalScript", "begin end.", ""},
        {"PascalScript", "begin x := 1 end", "1:17 '.' expected"},
        {"PascalScript", "begin x : = 1 end.", "1:11 '=' expected"},
        {"PascalScript", "begin x := 1; end.", ""},
        {"PascalScript", "begin ; ; end.", ""},
        {"PascalScript", "begin if a then end.", ""},
        {"PascalScript", "var a, b: Integer; begin end.", ""},
        {"PascalScript", "const a = 1; b = 'x'; begin end.", ""},
        {"PascalScript", "begin case x of 1: a; 2: b end end.", ""},
        {"PascalScript", "begin case x of 1: a; else b; end end.", ""},
        {"PascalScript", "begin end.\n}}} this is no program {{{", ""},
        {"PascalScript", "program P; procedure A(var x: Integer; const y: String = 'a'); begin end;\n"
                         "function F(a: Integer): Integer; var r: Integer; begin Result := a end;\n"
                         "begin repeat try A(x) finally end until x >= 1; while a <> b do with o, p do Exit end.", ""},
        {"PascalScript", "begin x := end.", "1:12 Expression expected"},
        {"PascalScript", "var a: Integer begin end.", "1:16 ';' expected"},
        {"PascalScript", "begin if a x := 1 end.", "1:12 'THEN' expected"},
        {"PascalScript", "begin for i = 1 to 2 do end.", "1:13 ':' expected"},
        {"PascalScript", "begin for i := 1 do x end.", "1:18 'TO' or 'DOWNTO' expected"},
        {"PascalScript", "begin try x := 1 end.", "1:18 'FINALLY' or 'EXCEPT' expected"},
        {"PascalScript", "begin\n  x := (1 + 2;\nend.", "2:14 ')' expected"},
        {"PascalScript", "begin x := a. ; end.", "1:15 Identifier expected"},
        {"PascalScript", "x := 1;", "1:1 'BEGIN' expected"},
        {"C++Script", "{ }", ""},
        {"C++Script", "#define X 5\nint a = 1, b[3];\nvoid f(int x, string &y = \"\") { return; }\n"
                      "{ a += X; a++; b[0] = 0x1F; if (a == 1 && !b) f(1); else { } do a--; while (a > 0);\n"
                      "  for (int i = 0; i < 10; i++) delete x; switch (a) { case 1: ; default: a = 2; } }", ""},
        {"C++Script", "{ a = 1 }", "1:9 ';' expected"},
        {"C++Script", "int a; a = 1;", "1:8 '{' expected"},
        {"C++Script", "{ if a) b = 1; }", "1:6 '(' expected"},
        {"JScript", "var a = 1, b[2]\nfunction f(&x, y) { return x * 2 }\na = f(1, 2);\nwith (a) { b = 0x10 }", ""},
        {"JScript", "function (x) { }", "1:10 Identifier expected"},
        {"JScript", "if (a { }", "1:7 ')' expected"},
        {"BasicScript", "Dim a As Integer = 1, b[3]\na = a & \"x\" : b = 2 ' comment\n", ""},
        {"BasicScript", "x = 1 + _\n  2", ""},
        {"BasicScript", "If a > 1 Then\n  a = 2\nElseIf a = 1 Then\n  a = 3\nElse\n  a = 4\nEnd If", ""},
        {"BasicScript", "Select Case a\n  Case 1: a = 2\n  Case 2, 3\n    a = 1\n  Case Else\n    a = 0\nEnd Select", ""},
        {"BasicScript", "Sub P(ByRef x As Integer, y)\n  x = y\nEnd Sub\nFunction F As Integer\nEnd Function", ""},
        {"BasicScript", "For i = 1 To 10 Step 2\nNext\nDo\n  a = a \\ 2\nLoop Until a < 1\nWhile a\nWend", ""},
        {"BasicScript", "If a Then\n  b = 1\n", "3:1 'END' expected"},
        {"BasicScript", "For i = 1 10\nNext", "1:11 'TO' expected"},
        {"BasicScript", "While a\n  b = 1\n", "3:1 'WEND' expected"},
        {"BasicScript", "x = 1 y", "1:7 End of line expected"},
        {"BasicScript", "REM no comment", "1:1 End of line expected"},
        {"BasicScript", "a = 1\nx = = 1\nb = 2", "2:5 Expression expected"},
        {"JScript", "a = 1; )", "1:8 Statement expected"},
    };
    for (const auto& c : cases) {
        const std::string result = parse(c.language, c.text);
        if (*c.error)
            EXPECT_EQ(result, std::string("error ") + c.error) << c.language << ": " << c.text;
        else
            EXPECT_EQ(result.rfind("error", 0), std::string::npos) << c.language << ": " << c.text << "\n" << result;
    }
}

TEST(ILParser, ProgramShapeWhereLaterStagesDependOnIt) {
    struct Case {
        const char* language;
        const char* text;
        const char* fragment;
    } cases[] = {
        // A single array size leaves exactly one expression in its dimension.
        {"PascalScript", "var a: array[5] of Integer; begin end.",
         "<dim pos=\"1:14\"><expr pos=\"1:14\" pos1=\"1:15\"><number text=\"5\" pos=\"1:15\"/></expr></dim>"},
        {"PascalScript", "var a: array[1..5] of Integer; begin end.",
         "<dim pos=\"1:14\"><expr pos=\"1:14\" pos1=\"1:15\"><number text=\"1\" pos=\"1:15\"/></expr>"
         "<expr pos=\"1:17\" pos1=\"1:18\"><number text=\"5\" pos=\"1:18\"/></expr></dim>"},
        // A data-field reference becomes a call of Get with the text between the brackets.
        {"PascalScript", "begin x := <Table.\"Field\"> end.",
         "<dsgn pos=\"1:26\"><node text=\"Get\" pos=\"1:26\"/><expr pos=\"1:26\" pos1=\"1:26\">"
         "<string text=\"'Table.&#34;Field&#34;'\" pos=\"1:26\"/></expr></dsgn>"},
        {"PascalScript", "begin x := -a <= 'It''s' end.",
         "<expr pos=\"1:12\" pos1=\"1:25\"><op text=\"unminus\" pos=\"1:13\"/><dsgn pos=\"1:13\"><node text=\"a\" pos=\"1:14\"/>"
         "</dsgn><op text=\"&#60;=\" pos=\"1:17\"/><string text=\"'It's'\" pos=\"1:25\"/></expr>"},
        {"PascalScript", "begin for i := 9 downto 1 do ; end.", "<downto text=\"downto\" pos=\"1:24\"/>"},
        {"PascalScript", "begin if a then else b end.", "<thenstmt pos=\"1:17\"/><elsestmt pos=\"1:22\">"},
        {"C++Script", "{ a += 1; }", "<assignstmt pos=\"1:3\"><dsgn pos=\"1:3\"><node text=\"a\" pos=\"1:4\"/></dsgn>"
                                     "<modificator text=\"+\" pos=\"1:6\"/>"},
        {"C++Script", "{ }", "<types><int type=\"integer\"/><long type=\"integer\"/><void type=\"integer\"/>"
                             "<bool type=\"boolean\"/><float type=\"extended\"/></types></program>"},
        {"C++Script", "{ do ; while (a); }", "<inverse text=\"while\""},
        {"BasicScript", "x = a & b", "<op text=\"strcat\" pos=\"1:8\"/>"},
        // The first line may choose the language of the rest.
        {"PascalScript", "#language BasicScript\r\nx = 1", "<compoundstmt pos=\"2:1\"><assignstmt pos=\"2:1\">"},
    };
    for (const auto& c : cases) {
        const std::string il = parse(c.language, c.text);
        EXPECT_NE(il.find(c.fragment), std::string::npos) << c.text << "\n" << il;
    }
}

TEST(ILParser, UnitsComeFromTheCallbackOnceEach) {
    const std::map<std::string, std::string> units = {
        {"a", "var x: Integer; begin end."},
        {"b", "uses 'a', 'b'; begin end."},  // names a unit already used, and itself
        {"bad", "begin x := 1 end"},
    };
    TfsILParser p;
    p.SetOnGetUnit([&](const std::string& name, std::string& text) {
        const auto it = units.find(name);
        if (it == units.end()) return false;
        text = it->second;
        return true;
    });
    const std::string il = parse("PascalScript", "uses 'a', 'b'; begin end.", &p);
    EXPECT_NE(il.find("<uses unit=\"a\"><program><var pos=\"1:5\"><ident text=\"x\" pos=\"1:6\"/>"), std::string::npos)
        << il;
    // The last unit is read first; the units it names are read inside it, and each only once.
    EXPECT_NE(il.find("<uses pos=\"1:1\"><uses unit=\"b\"><program><uses pos=\"1:1\"><uses unit=\"a\">"),
              std::string::npos) << il;
    EXPECT_EQ(il.find("unit=\"a\"", il.find("unit=\"a\"") + 1), std::string::npos) << il;
    EXPECT_EQ(parse("PascalScript", "uses 'bad'; begin end.", &p), "error 1:17 '.' expected in bad");
    // A unit that neither the callback nor a file supplies is left out.
    EXPECT_EQ(parse("PascalScript", "uses 'no such unit'; begin end.", &p),
              "<?xml version=\"1.0\"?><program><uses pos=\"1:1\"/><compoundstmt pos=\"1:22\"/><types/></program>");
}

TEST(ILParser, LanguagesAreLookedUpByName) {
    EXPECT_EQ(LanguageNames(), (std::vector<std::string>{"PascalScript", "C++Script", "BasicScript", "JScript"}));
    RegisterLanguage("pascalscript", "<language/>");  // the first registration wins
    EXPECT_EQ(parse("PascalScript", "begin end."), parse("PascalScript", "begin end. x"));
    try {
        TfsILParser p;
        p.SelectLanguage("Cobol");
        FAIL();
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(), "Jezik 'Cobol' ni najden");
    }
    EXPECT_EQ(parse("PascalScript", "#language Cobol\nbegin end."), "error 1:1 Jezik 'Cobol' ni najden");
    RegisterLanguage("Broken", "<language><program><nosuchrule/></program></language>");
    EXPECT_EQ(parse("Broken", "x"), "error 1:1 Napačna določitev jezika");
}

TEST(ILParser, DeepNestingEndsWithAnErrorInsteadOfOverflowingTheStack) {
    const auto nested = [](int depth, const std::string& open, const std::string& inner, const std::string& close) {
        std::string s;
        for (int i = 0; i < depth; ++i) s += open;
        s += inner;
        for (int i = 0; i < depth; ++i) s += close;
        return s;
    };
    EXPECT_EQ(parse("PascalScript", "begin x := " + nested(200, "(", "1", ")") + " end.").rfind("error", 0),
              std::string::npos);
    EXPECT_EQ(parse("PascalScript", "begin " + nested(200, "begin ", "", " end") + " end.").rfind("error", 0),
              std::string::npos);
    // Where the limit is reached depends on the frame sizes of the build; the message does not.
    for (const std::string& deep : {parse("PascalScript", "begin x := " + nested(100000, "(", "1", ")") + " end."),
                                    parse("PascalScript", "begin\n" + nested(100000, "begin ", "", " end") + " end."),
                                    parse("C++Script", nested(100000, "{", "", "}"))}) {
        EXPECT_EQ(deep.rfind("error ", 0), 0u) << deep.substr(0, 100);
        EXPECT_NE(deep.find(" Pregloboko gnezdenje"), std::string::npos) << deep.substr(0, 100);
    }
}

}  // namespace
}  // namespace lumaro
