// Wrapping: where lines break, with and without word break, blank lines, paragraph gap,
// character spacing and tags (see layout_test_util.h for the widths of the test metrics).
#include <gtest/gtest.h>

#include "report/layout_test_util.h"

namespace lumaro {
namespace {

using testing::FixedLayout;
using testing::LayoutSetup;
using testing::layOut;
using testing::lineTexts;

struct WrapCase {
    const char* name;
    std::vector<std::string> source;
    double width;  // report pixels
    std::vector<std::string> expected;
    bool wordBreak = false;
    bool wordWrap = true;
    bool tags = false;
    double paragraphGap = 0, charSpacing = 0;
};

const WrapCase kWrapCases[] = {
    // 5 letters of 8 pixels fill 40 pixels; the sixth no longer fits.
    {"long word broken hard", {"abcdefghjknopqrs"}, 40, {"abcde", "fghjk", "nopqr", "s"}},
    {"latin word has no syllable breaks", {"abcdefghjknopqrs"}, 40, {"abcde", "fghjk", "nopqr", "s"}, true},
    {"break at the last blank, blank dropped", {"aaa bbb ccc ddd"}, 60, {"aaa bbb", "ccc ddd"}},
    {"word wrap off keeps one line", {"aaa bbb ccc ddd"}, 20, {"aaa bbb ccc ddd"}, false, false},
    {"a line that fits stays whole", {"aaa bbb"}, 60, {"aaa bbb"}},
    {"one character wider than the line", {"ab"}, 4, {"a", "b"}},
    {"blank lines keep their height", {"abc", "", "def"}, 60, {"abc", " ", "def"}},
    // 7 Cyrillic letters fit; the last syllable break before the eighth is after 5 letters.
    {"cyrillic word hyphenated",
     {"представительство"}, 60, {"предс-", "тавите-", "льство"}, true},
    {"cyrillic word without word break", {"представительство"}, 60, {"предста", "вительс", "тво"}},
    {"hyphenated after a blank keeps the blank",
     {"ab представительство"}, 60, {"ab пред-", "стави-", "тельст-", "во"}, true},
    // The first line of a paragraph is 16 pixels shorter.
    {"paragraph gap shortens the first line", {"aaa bbb ccc"}, 60, {"aaa", "bbb ccc"}, false, true, false, 16},
    // 2 pixels of spacing are 12 units: 62 units a letter, six of them fit 375.
    {"character spacing", {"aaaaaaaa"}, 60, {"aaaaaa", "aa"}, false, true, false, 0, 2},
    // Bold letters are 56.25 units: six fit 375 where seven plain ones do.
    {"bold letters measured bold", {"<b>aaaaaaa</b>"}, 60, {"aaaaaa", "a"}, false, true, true},
    {"plain letters", {"aaaaaaa"}, 60, {"aaaaaaa"}},
    {"tags not allowed stay text", {"<b>a</b>"}, 200, {"<b>a</b>"}},
};

class WrapTest : public ::testing::TestWithParam<WrapCase> {};

TEST_P(WrapTest, BreaksAtTheExpectedCharacters) {
    const WrapCase& c = GetParam();
    FixedLayout f;
    LayoutSetup s;
    s.lines = c.source;
    s.rect = {0, 0, c.width, 1000};
    s.wordBreak = c.wordBreak;
    s.wordWrap = c.wordWrap;
    s.tags = c.tags;
    s.paragraphGap = c.paragraphGap;
    s.charSpacing = c.charSpacing;
    layOut(f.dt, s);
    EXPECT_EQ(lineTexts(f.dt), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Layout, WrapTest, ::testing::ValuesIn(kWrapCases), testing::CaseName());

TEST(LayoutWrap, ParagraphFlagsMarkFirstAndLastLineOfEachSourceLine) {
    FixedLayout f;
    LayoutSetup s;
    s.lines = {"aaa bbb ccc ddd eee", "fff"};
    s.rect = {0, 0, 60, 1000};
    layOut(f.dt, s);
    std::vector<int> flags;
    for (const LayoutLine& l : f.dt.lines()) flags.push_back(l.flags);
    EXPECT_EQ(lineTexts(f.dt), (std::vector<std::string>{"aaa bbb", "ccc ddd", "eee", "fff"}));
    EXPECT_EQ(flags, (std::vector<int>{1, 0, 2, 3}));
}

TEST(LayoutWrap, RotatedAcrossTheRectangleWrapsAtItsHeight) {
    for (int rotation : {90, 135, 270, 300}) {
        FixedLayout f;
        LayoutSetup s;
        s.lines = {"aaa bbb ccc ddd"};
        s.rect = {0, 0, 1000, 60};
        s.rotation = rotation;
        layOut(f.dt, s);
        EXPECT_EQ(lineTexts(f.dt), (std::vector<std::string>{"aaa bbb", "ccc ddd"})) << rotation;
    }
    FixedLayout f;
    LayoutSetup s;
    s.lines = {"aaa bbb ccc ddd"};
    s.rect = {0, 0, 1000, 60};
    s.rotation = 45;
    layOut(f.dt, s);
    EXPECT_EQ(lineTexts(f.dt), (std::vector<std::string>{"aaa bbb ccc ddd"}));
}

TEST(LayoutWrap, RotationIsKeptModulo360) {
    TfrxDrawText dt;
    for (auto [given, kept] : {std::pair{450, 90}, {-90, 270}, {360, 0}, {-725, 355}}) {
        dt.SetOptions(true, false, given, true, false, false);
        EXPECT_EQ(dt.rotation(), kept) << given;
    }
}

TEST(LayoutWrap, LongLinesHaveNoLengthLimit) {
    FixedLayout f;
    LayoutSetup s;
    std::string word(10000, 'a');
    s.lines = {word + " " + word};
    s.rect = {0, 0, 100000, 100};
    layOut(f.dt, s);
    // 10000 letters are 80000 pixels: each word on a line of its own.
    EXPECT_EQ(lineTexts(f.dt), (std::vector<std::string>{word, word}));
}

// Whatever sizes reach the layout, every line loop ends and makes at least one character of
// progress per line.
TEST(LayoutWrap, AbsurdSizesEnd) {
    struct Bad {
        double width;
        int size;
        double charSpacing;
    };
    for (const Bad& b : {Bad{0, 12, 0}, Bad{-50, 12, 0}, Bad{1e300, 12, 0}, Bad{std::nan(""), 12, 0},
                         Bad{100, 1000000, 0}, Bad{100, -5, 0}, Bad{100, 12, -1e9}, Bad{100, 12, 1e9}}) {
        FixedLayout f;
        LayoutSetup s;
        s.lines = {"aaa bbb ccc", "", "представительство"};
        s.rect = {0, 0, b.width, 100};
        s.size = b.size;
        s.charSpacing = b.charSpacing;
        s.wordBreak = true;
        layOut(f.dt, s);
        EXPECT_LE(f.dt.lines().size(), 30u);
        EXPECT_GE(f.dt.lines().size(), 3u);
        DisplayList list;
        f.dt.DrawText(list, haBlock, vaCenter);
    }
}

}  // namespace
}  // namespace lumaro
