#include <gtest/gtest.h>

#include "core/mask_text.h"
#include "core/string_functions.h"

using namespace lumaro;

TEST(StringFunctions, CopyPosDeleteInsertCountCharacters) {
    struct CopyCase { const char* s; int from, count; const char* result; };
    const CopyCase copies[] = {
        {"ABCDEF", 3, 2, "CD"}, {"ABC", 5, 1, ""}, {"ABC", 0, 2, "AB"}, {"ABC", -3, 1, "A"},
        {"ABC", 2, 99, "BC"}, {"ABC", 2, 0, ""}, {"ABC", 4, 1, ""}, {"čšžć", 2, 2, "šž"},
    };
    for (const CopyCase& c : copies) EXPECT_EQ(copyText(c.s, c.from, c.count), c.result) << c.s << " " << c.from;
    EXPECT_EQ(posText("x", "abc"), 0);
    EXPECT_EQ(posText("c", "abc"), 3);
    EXPECT_EQ(posText("B", "abc"), 0);
    EXPECT_EQ(posText("ž", "čšž"), 3);
    EXPECT_EQ(posText("", "abc"), 0);
    const CopyCase deletes[] = {{"ABCDEF", 2, 3, "AEF"}, {"ABCDEF", 0, 2, "CDEF"}, {"ABCDEF", 9, 1, "ABCDEF"},
                                {"ABCDEF", 5, 9, "ABCD"}, {"čšž", 2, 1, "čž"}};
    for (const CopyCase& c : deletes) {
        std::string s = c.s;
        deleteText(s, c.from, c.count);
        EXPECT_EQ(s, c.result) << c.s << " " << c.from;
    }
    struct InsertCase { int pos; const char* result; };
    for (const InsertCase& c : {InsertCase{2, "čxyBC"}, InsertCase{0, "xyčBC"}, InsertCase{9, "čBCxy"}}) {
        std::string s = "čBC";
        insertText("xy", s, c.pos);
        EXPECT_EQ(s, c.result) << c.pos;
    }
}

TEST(StringFunctions, NameCaseOrdChr) {
    EXPECT_EQ(nameCase("jOHN smith"), "John Smith");
    EXPECT_EQ(nameCase("čRT  šNOPS"), "Črt  Šnops");
    EXPECT_EQ(nameCase(" ab-cd"), " Ab-cd");
    EXPECT_EQ(ord(""), 0);
    EXPECT_EQ(ord("Abc"), 65);
    // Codes of the templates' single-byte code page (Windows-1250).
    EXPECT_EQ(ord("Č"), 200);
    EXPECT_EQ(ord("€"), 128);
    EXPECT_EQ(ord("あ"), 0x3042);  // outside the code page: its Unicode number
    EXPECT_EQ(chr(65), "A");
    EXPECT_EQ(chr(200), "Č");
    EXPECT_EQ(chr(256 + 138), "Š");  // the low 8 bits
}

TEST(FormatMaskText, MasksInsertLiteralsAndBlanks) {
    FormatSettings fs = FormatSettings::english();
    fs.dateSeparator = ".";
    struct Case { const char* mask; const char* value; const char* result; };
    const Case cases[] = {
        {"(999) 000-0000;0;_", "5551234567", "(555) 123-4567"},
        {"(999) 000-0000;0;_", "555123", "(555) 123-    "},  // blanks, not the mask's blank character
        {"(999) 000-0000;0;*", "555123", "(555) 123-    "},
        {"(999) 000-0000;1;_", "(555) 123-4567", "(555) 123-4567"},
        {"(999) 000-0000;1;_", "5551234567", "(555) 123-4567"},  // missing literals are supplied
        {"(999) 000-0000", "5551234567", "(555) 123-4567"},      // saving literals is the default
        {"LLL-000;1;_", "AB-12", "AB -12 "},                     // each stretch padded to its places
        {"!99/99/00;1;_", "1.2.03", " 1. 2.03"},                 // "/" is the date separator; "!" pads left
        {"!999;0;_", "12", " 12"},
        {">LL<ll;0;_", "abCD", "abCD"},                          // case directives take no place
        {"\\(000\\);0;_", "123", "(123)"},
        {"\\\\000;0;_", "123", "\\123"},
        {"00:00;0;_", "1230", "12:30"},
        {"_000;0;_", "123", " 123"},
        {"0;0", "12", "1;2"},        // too short for fields: ";" is a literal
        {"000;0", "abcdef", "abcdef"},  // characters beyond the mask are kept
        {"", "abc", "abc"},
        {"Š00-0;0;_", "čž1", "Ščž-1"},
    };
    for (const Case& c : cases) EXPECT_EQ(formatMaskText(c.mask, c.value, fs), c.result) << c.mask << " " << c.value;
}
