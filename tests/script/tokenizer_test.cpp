// TfsParser: token reads under the settings of each language, and positions.
#include <gtest/gtest.h>

#include "script/parser/compiled_grammar.h"
#include "script/parser/fs_parser.h"

namespace lumaro {
namespace {

enum class Read { Number, String, Identifier, Word, Symbol, AngleText, LineEnd };

std::string read(TfsParser& p, Read op) {
    switch (op) {
    case Read::Number: return p.ReadNumber();
    case Read::String: return p.ReadString();
    case Read::Identifier: return p.ReadIdentifier();
    case Read::Word: return p.ReadWord();
    case Read::Symbol: return p.ReadSymbol();
    case Read::AngleText: return p.ReadAngleText();
    case Read::LineEnd: return p.ReadLineEnd() ? "eol" : "";
    }
    return {};
}

TEST(Tokenizer, ReadsTokensAsEachLanguageWritesThem) {
    struct Case {
        const char* language;
        const char* text;
        Read op;
        const char* token;
        int positionAfter;
    } cases[] = {
        {"PascalScript", "$FF;", Read::Number, "$FF", 4},
        {"C++Script", "0xFF", Read::Number, "$FF", 5},
        {"C++Script", "0XFF", Read::Number, "0", 2},  // the prefix compares exactly
        {"PascalScript", "1.e5", Read::Number, "1", 2},
        {"PascalScript", "1e", Read::Number, "1", 2},
        {"PascalScript", "1..5", Read::Number, "1", 2},
        {"PascalScript", "  12.5E-3x", Read::Number, "12.5E-3", 10},
        {"PascalScript", "x", Read::Number, "", 1},
        {"PascalScript", "'a'#13#10'b'", Read::String, "'a\r\nb'", 13},
        {"PascalScript", "'It''s'", Read::String, "'It's'", 8},
        {"PascalScript", "#$41#66", Read::String, "'AB'", 8},
        {"PascalScript", "'abc\nd'", Read::String, "", 1},  // runs into a line end
        {"PascalScript", "'čšž' x", Read::String, "'čšž'", 6},
        {"C++Script", "\"a\\\"b\"", Read::String, "'a\"b'", 7},
        {"C++Script", "\"\\x41\\n\\t\\X42\"", Read::String, "'A\nt\x42'", 15},
        {"C++Script", "\"ab", Read::String, "", 1},
        {"PascalScript", "{ a { b } x }", Read::Identifier, "x", 12},
        {"PascalScript", "(* a *) // b\n y", Read::Identifier, "y", 16},
        {"PascalScript", "BEGIN", Read::Identifier, "", 1},
        {"PascalScript", "begin", Read::Identifier, "", 1},
        {"PascalScript", "BEGIN", Read::Word, "BEGIN", 6},
        {"PascalScript", "_a1 b", Read::Identifier, "_a1", 4},
        {"PascalScript", "1a", Read::Identifier, "", 1},
        {"PascalScript", " ;", Read::Symbol, "", 1},  // symbols do not skip blanks
        {"PascalScript", ":=", Read::Symbol, ":", 2},
        {"BasicScript", "_\r\n  x", Read::Identifier, "x", 7},
        {"BasicScript", "rem c\nx", Read::LineEnd, "eol", 7},
        {"BasicScript", "remark\nx", Read::LineEnd, "eol", 8},
        {"BasicScript", "REM c", Read::Word, "REM", 4},
        {"BasicScript", "' c\r\nx", Read::LineEnd, "eol", 6},
        {"BasicScript", "/\\ a /\\ x", Read::Identifier, "x", 10},
        {"PascalScript", "Table.\"Field\">rest", Read::AngleText, "Table.\"Field\"", 14},
        {"PascalScript", "a<b>c>", Read::AngleText, "a<b>c", 6},
        {"PascalScript", "'>'\">\">", Read::AngleText, "'>'\">\"", 7},
        {"PascalScript", "ab\ncd>", Read::AngleText, "", 1},
        {"PascalScript", "abc", Read::AngleText, "abc", 4},
        {"PascalScript", "\xEF\xBB\xBF" "begin", Read::Word, "begin", 6},
        {"PascalScript", "'\xE8'", Read::String, "'č'", 4},  // not UTF-8: read as Windows-1250
    };
    for (const auto& c : cases) {
        TfsParser p;
        CompiledGrammar::ForLanguage(c.language)->Configure(p);
        p.SetText(c.text);
        EXPECT_EQ(read(p, c.op), c.token) << c.language << " " << c.text;
        EXPECT_EQ(p.Position(), c.positionAfter) << c.language << " " << c.text;
    }
}

TEST(Tokenizer, PositionsCountLinesAndCodePoints) {
    TfsParser p;
    p.SetText("ab\ncd");
    EXPECT_EQ(p.PositionText(4), "2:1");
    EXPECT_EQ(p.PositionText(3), "1:3");  // the line feed belongs to the line it ends
    EXPECT_EQ(p.PositionText(6), "2:3");
    EXPECT_EQ(p.LineColToPosition(1, 2), 4);
    EXPECT_EQ(p.LineColToPosition(1, 3), -1);
    p.SetText("čž\nx");
    EXPECT_EQ(p.PositionText(4), "2:1");
}

TEST(Tokenizer, SettingsChangeWhatIsRead) {
    TfsParser p;
    p.SetBlockComment1("");
    p.SetText("{ x }");
    EXPECT_EQ(p.ReadIdentifier(), "");
    EXPECT_EQ(p.ReadSymbol(), "{");
    p.SetIdentChars("ab");
    p.SetText("abc");
    EXPECT_EQ(p.ReadIdentifier(), "ab");
    p.ResetDefaults();
    p.AddExtendedIdentChars();
    p.SetText("čas x");
    EXPECT_EQ(p.ReadIdentifier(), "čas");
    p.SetKeywords({"Foo"});
    p.SetText("FOO");
    EXPECT_TRUE(p.IsKeyword("foo"));
    EXPECT_EQ(p.ReadIdentifier(), "");
}

}  // namespace
}  // namespace lumaro
