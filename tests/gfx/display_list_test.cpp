#include <gtest/gtest.h>

#include "gfx/display_list.h"

using namespace lumaro;

TEST(DisplayList, ReplayScalesGeometryPensFontsAndAdvances) {
    DisplayList src;
    src.setPen(Pen{clRed, 2, PenStyle::Solid});
    FontSpec f;
    f.pixelSize = 10;
    src.setFont(f);
    src.drawRect(RectF{1, 2, 11, 22});
    const std::vector<double> adv{5, 6};
    src.drawText({3, 4}, "ab", &adv);

    DisplayList dst;
    src.replay(dst, 2, 2, 10, 20);
    ASSERT_EQ(dst.commands().size(), 4u);
    EXPECT_EQ(std::get<dl::SetPen>(dst.commands()[0]).pen.width, 4);
    EXPECT_EQ(std::get<dl::SetFont>(dst.commands()[1]).font.pixelSize, 20);
    EXPECT_EQ(std::get<dl::Rect>(dst.commands()[2]).r, (RectF{12, 24, 32, 64}));
    const auto runs = dst.textRuns();
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].text, "ab");
    EXPECT_EQ(runs[0].origin, (PointF{16, 28}));
    EXPECT_EQ(runs[0].advances, (std::vector<double>{10, 12}));
    EXPECT_EQ(runs[0].font.pixelSize, 20);
    EXPECT_EQ(dst.bounds(), (RectF{12, 24, 32, 64}));
}
