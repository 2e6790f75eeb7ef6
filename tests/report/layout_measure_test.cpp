// Measuring and splitting: heights, widths, the room left below the lines that fit, and the
// text that moves on to the next part with its look restored.
#include <gtest/gtest.h>

#include "core/text.h"
#include "report/model/report_host.h"
#include "report/layout_test_util.h"

namespace lumaro {
namespace {

using testing::FixedLayout;
using testing::LayoutSetup;
using testing::layOut;
using testing::lineTexts;

TEST(LayoutMeasure, LineHeightAndCalcHeight) {
    FixedLayout f;
    LayoutSetup s;
    s.lines = {"abc", "", "def"};
    layOut(f.dt, s);
    EXPECT_DOUBLE_EQ(f.dt.LineHeight(), 16);
    EXPECT_DOUBLE_EQ(f.dt.CalcHeight(), 48);
    s.lineSpacing = 2;
    layOut(f.dt, s);
    EXPECT_DOUBLE_EQ(f.dt.LineHeight(), 18);
    EXPECT_DOUBLE_EQ(f.dt.CalcHeight(), 54);
    s.size = 10;  // 83 units an em
    s.lineSpacing = 0;
    layOut(f.dt, s);
    EXPECT_DOUBLE_EQ(f.dt.LineHeight(), 83 * 96.0 / 600);
    s.lines = {};
    layOut(f.dt, s);
    EXPECT_EQ(f.dt.CalcHeight(), 0);
    EXPECT_TRUE(f.dt.lines().empty());
}

struct RemainingCase {
    double bottom;  // of the rectangle from 0; its height counts bottom + 1
    double lineSpacing;
    double expected;
};

TEST(LayoutMeasure, RemainingHeight) {
    const RemainingCase cases[] = {
        {47, 0, 0.0001},  // 48 pixels hold three lines of 16 exactly
        {50, 0, 3},       // 51 pixels: three lines and 3 pixels
        {10, 0, 0},       // not even one line
        {15, 0, 0.0001},
        {40, 2, 5},       // lines of 18: 41 pixels hold two and 5 pixels
    };
    for (const RemainingCase& c : cases) {
        FixedLayout f;
        LayoutSetup s;
        s.lines = {"a"};
        s.rect = {0, 0, 100, c.bottom};
        s.lineSpacing = c.lineSpacing;
        layOut(f.dt, s);
        EXPECT_DOUBLE_EQ(f.dt.RemainingHeight(), c.expected) << c.bottom << " " << c.lineSpacing;
    }
}

struct WidthCase {
    const char* name;
    std::vector<std::string> lines;
    double expected;
    double paragraphGap = 0, charSpacing = 0;
    bool tags = false;
    int rotation = 0;
};

TEST(LayoutMeasure, CalcWidth) {
    const WidthCase cases[] = {
        {"widest line", {"abc", "abcdef"}, 48},
        {"paragraph gap adds to first lines", {"abc", "abcdef"}, 48 + 10, 10},
        {"fractional paragraph gap", {"abc abcdef"}, 76 + 7.5, 7.5},
        {"one pixel of spacing is 6 units a character", {"abcdef"}, 336 / 6.25, 0, 1},
        // 56.25 units a bold letter, extents rounded at each letter: 56, 112, 169.
        {"bold measured bold", {"<b>abc</b>"}, 169 / 6.25, 0, 0, true},
        {"rotated text measures along its lines", {"abcdef"}, 48, 0, 0, false, 90},
        {"no lines", {}, 0},
    };
    for (const WidthCase& c : cases) {
        FixedLayout f;
        LayoutSetup s;
        s.lines = c.lines;
        s.rect = {0, 0, 10000, 10000};
        s.paragraphGap = c.paragraphGap;
        s.charSpacing = c.charSpacing;
        s.tags = c.tags;
        s.rotation = c.rotation;
        layOut(f.dt, s);
        EXPECT_DOUBLE_EQ(f.dt.CalcWidth(), c.expected) << c.name;
    }
}

// A text laid out again in the width CalcWidth gave keeps its lines.
TEST(LayoutMeasure, TextFitsTheWidthCalcWidthGives) {
    const std::vector<std::vector<std::string>> texts = {
        {"Lot A12", "10 kos, 17.05.2010"},
        {"<b>SSCC</b> 003831234567890123", "<i>italic</i> and <sub>sub</sub>script"},
        {"Wide WWW MMM", "представительство"},
    };
    for (double charSpacing : {0.0, 0.7, 3.0})
        for (double paragraphGap : {0.0, 5.5, 10.0})
            for (const auto& text : texts) {
                FixedLayout f;
                LayoutSetup s;
                s.lines = text;
                s.tags = true;
                s.charSpacing = charSpacing;
                s.paragraphGap = paragraphGap;
                s.rect = {0, 0, 10000, 10000};
                layOut(f.dt, s);
                const auto unwrapped = lineTexts(f.dt);
                s.rect = {0, 0, f.dt.CalcWidth(), 10000};
                layOut(f.dt, s);
                EXPECT_EQ(lineTexts(f.dt), unwrapped) << text[0] << " " << charSpacing << " " << paragraphGap;
            }
}

// Four bold red lines "aaa" .. "ddd"; 32 pixels hold two of them.
LayoutSetup splitSetup(bool tags, const std::string& text) {
    LayoutSetup s;
    s.lines = {text};
    s.rect = {0, 0, 40, 31};
    s.tags = tags;
    return s;
}

TEST(LayoutMeasure, SplitTextContinuesWithItsColourAndBold) {
    FixedLayout f;
    layOut(f.dt, splitSetup(true, "<b><font color=\"#FF0000\">aaa bbb ccc ddd</font></b>"));
    ASSERT_EQ(lineTexts(f.dt), (std::vector<std::string>{"aaa", "bbb", "ccc", "ddd"}));
    const std::string rest = f.dt.GetOutBoundsText();
    EXPECT_EQ(rest, "<b><font color=\"#FF0000\">ccc ddd</font></b>\r\n");
    EXPECT_EQ(f.dt.GetInBoundsText(), "<b><font color=\"#FF0000\">aaa bbb ");
    EXPECT_EQ(lineTexts(f.dt), (std::vector<std::string>{"aaa", "bbb"}));

    // The next part draws the rest bold and red again.
    FixedLayout next;
    LayoutSetup s = splitSetup(true, "");
    s.lines = splitLines(rest);
    s.rect = {0, 0, 40, 100};
    layOut(next.dt, s);
    DisplayList list;
    next.dt.DrawText(list, haLeft, vaTop);
    const auto runs = list.textRuns();
    ASSERT_EQ(runs.size(), 2u);
    for (const TextRun& r : runs) {
        EXPECT_EQ(r.font.style, fsBold) << r.text;
        EXPECT_EQ(r.font.color, clRed) << r.text;
    }
    EXPECT_EQ(runs[0].text, "ccc");
}

TEST(LayoutMeasure, SplitTextPrefixes) {
    struct Case {
        bool tags;
        std::string text;
        std::string rest;
    };
    const Case cases[] = {
        {true, "aaa bbb ccc ddd", "<font color=\"#000000\">ccc ddd\r\n"},
        {true, "aaa bbb <i><u>ccc</u></i> ddd", "<i><u><font color=\"#000000\">ccc</u></i> ddd\r\n"},
        {true, "aaa bbb <font color=\"#123456\">ccc ddd", "<font color=\"#123456\">ccc ddd\r\n"},
        {true, "aaa bbb <strike>ccc ddd", "<strike><font color=\"#000000\">ccc ddd\r\n"},
        {false, "<b>aaa bbb ccc ddd", "ccc ddd\r\n"},
    };
    for (const Case& c : cases) {
        FixedLayout f;
        layOut(f.dt, splitSetup(c.tags, c.text));
        EXPECT_EQ(f.dt.GetOutBoundsText(), c.rest) << c.text;
    }
}

TEST(LayoutMeasure, SplitKeepsWhatFits) {
    struct Case {
        std::string text;
        double bottom;  // 16 pixels a line
        std::string rest, kept;
        size_t lines;
    };
    const Case cases[] = {
        {"aaa bbb", 100, "", "aaa bbb\r\n", 2},           // everything fits
        {"aaa bbb", 5, "aaa bbb\r\n", "", 0},             // not even one line
        {"ččč ššš žžž", 15, "ššš žžž\r\n", "ččč ", 1},    // positions count code points
        {"aaa", 15, "", "aaa\r\n", 1},
    };
    for (const Case& c : cases) {
        FixedLayout f;
        LayoutSetup s = splitSetup(false, c.text);
        s.rect.bottom = c.bottom;
        layOut(f.dt, s);
        EXPECT_EQ(f.dt.GetOutBoundsText(), c.rest) << c.text << " " << c.bottom;
        EXPECT_EQ(f.dt.GetInBoundsText(), c.kept) << c.text << " " << c.bottom;
        EXPECT_EQ(f.dt.lines().size(), c.lines) << c.text << " " << c.bottom;
    }
}

// "abc" at 12 points: 24 pixels with the test metrics, 161 units (25.76 pixels) with the
// built-in Arial table.
TEST(LayoutMeasure, MeasuresWithItsHostsMetrics) {
    const auto widthOfAbc = [](TfrxDrawText& dt) {
        LayoutSetup s;
        s.lines = {"abc"};
        layOut(dt, s);
        return dt.CalcWidth();
    };
    ReportHost fixedHost;
    fixedHost.fontMetrics = std::make_shared<test::FixedFontMetrics>();
    TfrxDrawText dt;
    EXPECT_DOUBLE_EQ(widthOfAbc(dt), 161 / 6.25);  // the headless process host
    {
        ScopedProcessHost process(fixedHost);
        EXPECT_DOUBLE_EQ(widthOfAbc(dt), 24);  // follows the process host
        dt.setHost(ReportHost{});
        EXPECT_DOUBLE_EQ(widthOfAbc(dt), 161 / 6.25);  // its report's host, without metrics
    }
    dt.setHost(fixedHost);
    EXPECT_DOUBLE_EQ(widthOfAbc(dt), 24);
}

}  // namespace
}  // namespace lumaro
