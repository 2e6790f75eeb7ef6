// The tag subset as drawn: runs of one font, their style, colour, size and lowering.
#include <gtest/gtest.h>

#include "report/layout_test_util.h"

namespace lumaro {
namespace {

using testing::FixedLayout;
using testing::LayoutSetup;
using testing::layOut;

struct DrawnRun {
    std::string text;
    int style = 0;
    Color color = clBlack;
    bool operator==(const DrawnRun&) const = default;
};

std::ostream& operator<<(std::ostream& os, const DrawnRun& r) {
    return os << "{\"" << r.text << "\" style " << r.style << " colour " << std::hex << r.color << std::dec << "}";
}

std::vector<TextRun> drawRuns(const std::vector<std::string>& lines, bool tags = true) {
    FixedLayout f;
    LayoutSetup s;
    s.lines = lines;
    s.rect = {0, 0, 400, 200};
    s.tags = tags;
    layOut(f.dt, s);
    DisplayList list;
    f.dt.DrawText(list, haLeft, vaTop);
    return list.textRuns();
}

std::vector<DrawnRun> runsOf(const std::vector<TextRun>& runs) {
    std::vector<DrawnRun> out;
    for (const TextRun& r : runs) out.push_back({r.text, r.font.style, r.font.color});
    return out;
}

struct TagCase {
    const char* name;
    std::string source;
    std::vector<DrawnRun> expected;
};

const TagCase kTagCases[] = {
    {"bold first word draws two runs", "<b>Bold</b> text", {{"Bold", fsBold}, {" text"}}},
    {"upper-case tag names", "<B>up</B>", {{"up", fsBold}}},
    {"italic underline strike-out",
     "<i>it</i><u>un</u><strike>st</strike>",
     {{"it", fsItalic}, {"un", fsUnderline}, {"st", fsStrikeOut}}},
    {"nested styles add up", "<b>a<i>b</i></b>c", {{"a", fsBold}, {"b", fsBold | fsItalic}, {"c"}}},
    {"hexadecimal colour", "<font color=\"#FF0000\">red</font> x", {{"red", 0, clRed}, {" x"}}},
    {"hexadecimal green and blue", "<font color=\"#00FF00\">g</font><font color=\"#0000ff\">b</font>",
     {{"g", 0, clLime}, {"b", 0, clBlue}}},
    {"colour name", "<font color=green>go</font>", {{"go", 0, clGreen}}},
    {"colour name in any case", "<FONT COLOR=Red>r</FONT>", {{"r", 0, clRed}}},
    {"unknown colour name stays visible", "<font color=nosuch>x</font>", {{"<font color=nosuch>x"}}},
    {"quoted colour name is no colour", "<font color=\"red\">x", {{"<font color=\"red\">x"}}},
    {"bad hexadecimal stays visible", "<font color=\"#GG0000\">x", {{"<font color=\"#GG0000\">x"}}},
    {"less-than sign that starts no tag", "a < b <c> d", {{"a < b <c> d"}}},
    {"unclosed tag stays text", "a <b b", {{"a <b b"}}},
};

class TagTest : public ::testing::TestWithParam<TagCase> {};

TEST_P(TagTest, DrawsTheExpectedRuns) {
    EXPECT_EQ(runsOf(drawRuns({GetParam().source})), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Layout, TagTest, ::testing::ValuesIn(kTagCases), testing::CaseName());

TEST(LayoutTags, NotAllowedTheyAreDrawnAsText) {
    EXPECT_EQ(runsOf(drawRuns({"<b>x</b>"}, false)), (std::vector<DrawnRun>{{"<b>x</b>"}}));
}

TEST(LayoutTags, StateCarriesOverToTheNextSourceLine) {
    EXPECT_EQ(runsOf(drawRuns({"<b>one", "two</b> three"})),
              (std::vector<DrawnRun>{{"one", fsBold}, {"two", fsBold}, {" three"}}));
}

TEST(LayoutTags, SubscriptIsSmallerAndLoweredSuperscriptSmallerOnly) {
    const auto runs = drawRuns({"a<sub>2</sub>b<sup>3</sup>"});
    ASSERT_EQ(runs.size(), 4u);
    // 12 points are 16 pixels; the small size is nearest(12 / 1.5) = 8 points, 11 pixels.
    EXPECT_EQ(runs[0].font.pixelSize, 16);
    EXPECT_EQ(runs[1].font.pixelSize, 11);
    EXPECT_EQ(runs[3].font.pixelSize, 11);
    EXPECT_EQ(runs[0].origin.y, 0);
    EXPECT_EQ(runs[1].origin.y, 8);  // lowered by its size in points at scale 1
    EXPECT_EQ(runs[2].origin.y, 0);
    EXPECT_EQ(runs[3].origin.y, 0);
    // Each run starts where the one before ended.
    for (size_t k = 1; k < runs.size(); ++k)
        EXPECT_EQ(runs[k].origin.x, runs[k - 1].origin.x + testing::runWidth(runs[k - 1])) << k;
}

}  // namespace
}  // namespace lumaro
