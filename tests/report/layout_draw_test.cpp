// Drawing: where the lines start at every right angle, alignment, justified lines, the line
// advances, and the correction that makes a line exactly as wide as measured.
#include <gtest/gtest.h>

#include "report/drawing_test_util.h"
#include "report/layout/pixel_distribution.h"
#include "report/layout_test_util.h"

namespace lumaro {
namespace {

using testing::drawnLines;
using testing::FixedLayout;
using testing::LayoutSetup;
using testing::layOut;

DisplayList draw(const LayoutSetup& s, TfrxHAlign h = haLeft, TfrxVAlign v = vaTop, double scale = 1) {
    FixedLayout f;
    layOut(f.dt, s, scale, scale);
    DisplayList list;
    f.dt.DrawText(list, h, v);
    return list;
}

struct RotationCase {
    int rotation;
    PointF first, second;  // origins of the two lines
};

// The rectangle (10, 20)-(110, 70); lines advance by 16 pixels.
const RotationCase kRotations[] = {
    {0, {10, 20}, {10, 36}},     // top-left, lines downwards
    {90, {10, 70}, {26, 70}},    // bottom-up from the bottom-left corner, lines to the right
    {180, {110, 70}, {110, 54}}, // upside down from the bottom-right corner, lines upwards
    {270, {110, 20}, {94, 20}},  // top-down from the top-right corner, lines to the left
};

TEST(LayoutDraw, RightAnglesStartAtTheirCorner) {
    for (const RotationCase& c : kRotations) {
        LayoutSetup s;
        s.lines = {"ab", "cd"};
        s.rect = {10, 20, 110, 70};
        s.rotation = c.rotation;
        const auto runs = draw(s).textRuns();
        ASSERT_EQ(runs.size(), 2u) << c.rotation;
        EXPECT_EQ(runs[0].origin, c.first) << c.rotation;
        EXPECT_EQ(runs[1].origin, c.second) << c.rotation;
        EXPECT_EQ(runs[0].font.angle, c.rotation);
        EXPECT_EQ(runs[0].advances, (std::vector<double>{8, 8}));
    }
}

// At an oblique angle the block lies inside the rectangle: its lines go up to the right at
// 45 degrees from the left side, and each next line starts further down and to the right.
TEST(LayoutDraw, ObliqueAngleKeepsTheBlockInsideTheRectangle) {
    LayoutSetup s;
    s.lines = {"ab", "cd"};
    s.rect = {0, 0, 200, 200};
    s.rotation = 45;
    const auto runs = draw(s).textRuns();
    ASSERT_EQ(runs.size(), 2u);
    // Block 32 high: lines nearest((200 - 32 sin 45) / cos 45) = 251 long, starting at
    // (0, nearest(251 sin 45)) = (0, 177); the next line 16 further along (sin, cos).
    EXPECT_EQ(runs[0].origin, (PointF{0, 177}));
    EXPECT_EQ(runs[1].origin, (PointF{11, 188}));
    EXPECT_EQ(runs[0].font.angle, 45);
}

struct AlignCase {
    TfrxHAlign align;
    int style;
    double x;
};

TEST(LayoutDraw, HorizontalAlignment) {
    // "abc" is 24 pixels in a 100 pixel line, 27 in bold; bold and italic lines move one
    // pixel further left.
    for (const AlignCase& c : {AlignCase{haLeft, 0, 0}, AlignCase{haRight, 0, 77}, AlignCase{haCenter, 0, 38},
                               AlignCase{haRight, fsBold, 73}, AlignCase{haRight, fsItalic, 76}}) {
        LayoutSetup s;
        s.lines = {"abc"};
        s.style = c.style;
        const auto runs = draw(s, c.align).textRuns();
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_EQ(runs[0].origin.x, c.x) << c.align << " " << c.style;
    }
}

TEST(LayoutDraw, VerticalAlignmentMovesTheBlockAcrossTheLines) {
    struct Case {
        int rotation;
        TfrxVAlign align;
        PointF origin;
    };
    // One line, 16 high, in a 100 by 100 rectangle.
    for (const Case& c : {Case{0, vaBottom, {0, 84}}, Case{0, vaCenter, {0, 42}}, Case{90, vaBottom, {84, 100}},
                          Case{180, vaCenter, {100, 58}}}) {
        LayoutSetup s;
        s.lines = {"abc"};
        s.rotation = c.rotation;
        const auto runs = draw(s, haLeft, c.align).textRuns();
        ASSERT_EQ(runs.size(), 1u);
        EXPECT_EQ(runs[0].origin, c.origin) << c.rotation << " " << c.align;
    }
}

TEST(LayoutDraw, JustifiedLinesEndAtTheRightEdgeButTheLast) {
    LayoutSetup s;
    s.lines = {"aa bb cc dd ee ff gg"};
    s.rect = {5, 0, 55, 100};
    const auto lines = drawnLines(draw(s, haBlock));
    ASSERT_EQ(lines.size(), 4u);
    for (size_t k = 0; k + 1 < lines.size(); ++k) {
        EXPECT_EQ(lines[k].origin.x, 5) << k;
        EXPECT_EQ(lines[k].origin.x + lines[k].width, 55) << lines[k].text;
    }
    EXPECT_EQ(lines[3].text, "gg");
    EXPECT_EQ(lines[3].width, 16);  // the last line of the paragraph is left-aligned
    // The blank takes the room: "aa bb" is 36 pixels, 14 left for its one blank.
    EXPECT_EQ(lines[0].runs[0].advances, (std::vector<double>{8, 8, 18, 8, 8}));
}

TEST(LayoutDraw, JustifiedLineWithoutBlanksIsLeftAligned) {
    LayoutSetup s;
    s.lines = {"abcdefghjknopqrs"};
    s.rect = {0, 0, 44, 100};
    const auto lines = drawnLines(draw(s, haBlock));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0].text, "abcde");
    EXPECT_EQ(lines[0].origin.x, 0);
    EXPECT_EQ(lines[0].width, 40);
}

TEST(LayoutDraw, RightToLeftReadingAlignsTheLastJustifiedLineRight) {
    LayoutSetup s;
    s.lines = {"aa bb cc"};
    s.rect = {0, 0, 44, 100};
    s.rtl = true;
    const auto lines = drawnLines(draw(s, haBlock));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].origin.x, 44 - 16 + 1);
}

TEST(LayoutDraw, ParagraphIndentOnFirstLinesOfLeftAndJustifiedText) {
    LayoutSetup s;
    s.lines = {"aaa bbb", "ccc"};
    s.rect = {0, 0, 60, 100};
    s.paragraphGap = 16;
    for (auto [align, indent] : {std::pair{haLeft, 16.0}, {haBlock, 16.0}, {haRight, 0.0}}) {
        const auto lines = drawnLines(draw(s, align));
        ASSERT_EQ(lines.size(), 3u);
        if (align == haRight) {
            EXPECT_EQ(lines[0].origin.x, 60 - 24 + 1);
            continue;
        }
        EXPECT_EQ(lines[0].origin.x, indent);  // "aaa", first line of its paragraph
        EXPECT_EQ(lines[1].origin.x, 0);       // "bbb"
        EXPECT_EQ(lines[2].origin.x, indent);  // "ccc"
    }
}

TEST(LayoutDraw, LineAdvancesAddUpToTheBlockHeight) {
    // Line height 16.5: four lines are 66 pixels; each advance is nearest(0.5) + 16 = 16 and
    // the 2 pixels left go by the distribution rule to the first and second advance.
    LayoutSetup s;
    s.lines = {"a", "b", "c", "d"};
    s.lineSpacing = 0.5;
    std::vector<double> ys;
    for (const TextRun& r : draw(s).textRuns()) ys.push_back(r.origin.y);
    EXPECT_EQ(ys, (std::vector<double>{0, 17, 34, 50}));
}

TEST(LayoutDraw, EachLineIsAsWideAsMeasured) {
    // 10 points: 83 units an em, 13 pixels on the screen. Ten letters measure 415 units, 66
    // pixels; drawn they are 6.5 pixels each, 65 in all, so one pixel is added, to the fifth.
    LayoutSetup s;
    s.lines = {"abcdefghjk"};
    s.size = 10;
    const auto runs = draw(s).textRuns();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].advances, (std::vector<double>{6, 7, 7, 6, 7, 7, 7, 6, 6, 7}));
}

TEST(LayoutDraw, ClipsToTheScaledRectangleWhenClipped) {
    LayoutSetup s;
    s.lines = {"abc"};
    s.rect = {10, 10, 50, 30};
    for (bool clipped : {true, false}) {
        s.clipped = clipped;
        const DisplayList list = draw(s, haLeft, vaTop, 2);
        const auto clips = testing::commandsOf<dl::SetClip>(list);
        if (clipped) {
            ASSERT_EQ(clips.size(), 1u);
            EXPECT_EQ(clips[0].r, (RectF{20, 20, 100, 60}));
            EXPECT_EQ(testing::commandsOf<dl::ResetClip>(list).size(), 1u);
        } else {
            EXPECT_TRUE(clips.empty());
        }
    }
}

TEST(LayoutDraw, NothingToDrawWithoutLines) {
    FixedLayout f;
    LayoutSetup s;
    layOut(f.dt, s);
    DisplayList list;
    f.dt.DrawText(list, haLeft, vaTop);
    EXPECT_TRUE(list.empty());
}

struct DistributionCase {
    size_t count;
    int64_t extra;
    std::vector<int64_t> expected;
};

TEST(LayoutDraw, DistributionRule) {
    const DistributionCase cases[] = {
        {4, 1, {0, 1, 0, 0}},   // one pixel to the middle (the end of the first half)
        {5, 1, {0, 1, 0, 0, 0}},
        {4, 2, {1, 0, 1, 0}},   // one to the middle of each half
        {4, 3, {1, 0, 1, 1}},   // the second half takes the larger share
        {8, 3, {0, 1, 0, 0, 1, 0, 1, 0}},
        {4, -2, {-1, 0, -1, 0}},
        {3, 10, {4, 3, 3}},     // more pixels than entries: each gets extra div count first
        {3, -7, {-3, -2, -2}},
        {1, 5, {5}},
        {6, 0, {0, 0, 0, 0, 0, 0}},
    };
    for (const DistributionCase& c : cases) {
        std::vector<int64_t> entries(c.count, 0);
        distributePixels(entries, c.extra);
        EXPECT_EQ(entries, c.expected) << c.count << " " << c.extra;
    }
}

}  // namespace
}  // namespace lumaro
