#include <gtest/gtest.h>

#include "core/text.h"

using namespace lumaro;

TEST(Text, Cp1250IsDecodedToUtf8) {
    // "čšž ČŠŽ" in Windows-1250
    EXPECT_EQ(cp1250ToUtf8("\xE8\x9A\x9E \xC8\x8A\x8E"), "čšž ČŠŽ");
    EXPECT_EQ(utf8ToCp1250("čšž ČŠŽ €"), "\xE8\x9A\x9E \xC8\x8A\x8E \x80");
    EXPECT_EQ(toUtf8("\xE8"), "č");
    EXPECT_EQ(toUtf8("č"), "č");
}

TEST(Text, Utf8Validity) {
    struct Case { const char* text; bool valid; };
    const Case cases[] = {
        {"plain", true}, {"čšž", true}, {"\xC0\x80", false},          // overlong NUL
        {"\xED\xA0\x80", false},                                     // surrogate
        {"\xE2\x82", false}, {"\xF4\x90\x80\x80", false}, {"€", true},
    };
    for (const auto& c : cases) EXPECT_EQ(isValidUtf8(c.text), c.valid) << c.text;
}

TEST(Text, CaseInsensitiveComparisonCoversSlovenianLetters) {
    EXPECT_TRUE(sameText("ČŠŽ datum", "čšž DATUM"));
    EXPECT_FALSE(sameText("Memo1", "Memo10"));
    EXPECT_LT(compareText("abc", "ABD"), 0);
    EXPECT_EQ(upperCase("čevapčiči"), "ČEVAPČIČI");
    EXPECT_EQ(lowerCase("ŽIŠKA"), "žiška");
}

TEST(Text, CodePointPositions) {
    EXPECT_EQ(utf8Length("ačb"), 3u);
    EXPECT_EQ(utf8Offset("ačb", 2), 3u);
    EXPECT_EQ(utf8Offset("ačb", 9), 4u);
}

TEST(Text, LineSplittingAndJoining) {
    EXPECT_EQ(splitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\r\n"), (std::vector<std::string>{"a"}));
    EXPECT_EQ(splitLines("a\r\n\r\nb"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(joinLines({"begin", "", "end."}), "begin\r\n\r\nend.");
}

#include "core/resources.h"

TEST(Resources, LookupAddAndFormLocalisation) {
    auto& r = TfrxResources::instance();
    EXPECT_EQ(r.Get("prDupl"), "Podvojeno ime");
    EXPECT_EQ(r.Get("noSuchKey"), "noSuchKey");
    r.Add("TTestForm", "Caption=Okno\nOKB.Caption=V redu\nno equal sign\nX.Hint=" + std::string(5000, 'a'));
    const auto a = r.FormLocalization("TTestForm");
    ASSERT_EQ(a.size(), 3u);
    EXPECT_EQ(a[0].control, "");
    EXPECT_EQ(a[0].property, "Caption");
    EXPECT_EQ(a[0].value, "Okno");
    EXPECT_EQ(a[1].control, "OKB");
    EXPECT_EQ(a[1].value, "V redu");
    EXPECT_EQ(a[2].value.size(), 4096u);
}
