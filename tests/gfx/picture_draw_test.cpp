#include <gtest/gtest.h>

#include "gfx/display_list.h"
#include "gfx/graphic_fixtures.h"
#include "gfx/graphic_kinds.h"
#include "gfx/picture_draw.h"

using namespace lumaro;
using namespace lumaro::fixtures;

TEST(PicturePlacement, Rules) {
    const RectF box{10, 20, 110, 120};  // 100 x 100
    const struct {
        const char* name;
        RectF box;
        int w, h;
        PictureLayout layout;
        double scaleX, scaleY;
        RectF expected;
    } cases[] = {
        {"wide, keep ratio, centred: 100 x 50 moved down by 25", box, 200, 100, {true, true, true}, 1, 1, {10, 45, 110, 95}},
        {"wide, keep ratio", box, 200, 100, {true, true, false}, 1, 1, {10, 20, 110, 70}},
        {"tall, keep ratio, centred", box, 100, 200, {true, true, true}, 1, 1, {35, 20, 85, 120}},
        {"stretched without ratio fills the box", box, 200, 100, {true, false, true}, 1, 1, box},
        {"ratio rounds to nearest: 3 x 2 in 100 gives 67", box, 3, 2, {true, true, false}, 1, 1, {10, 20, 110, 87}},
        {"ratio rounds ties to even: 8 x 1 in 100 gives 12.5 -> 12", box, 8, 1, {true, true, false}, 1, 1, {10, 20, 110, 32}},
        {"ratio rounds ties to even: 8 x 3 in 100 gives 37.5 -> 38", box, 8, 3, {true, true, false}, 1, 1, {10, 20, 110, 58}},
        {"square in square", box, 50, 50, {true, true, true}, 1, 1, box},
        {"not stretched: size times scale", box, 30, 20, {false, true, false}, 2, 1.5, {10, 20, 70, 50}},
        {"not stretched, centred", box, 30, 20, {false, true, true}, 2, 1.5, {30, 55, 90, 85}},
        {"not stretched, centred, larger than the box: toward zero", box, 103, 101, {false, true, true}, 1, 1, {9, 20, 112, 121}},
        {"unknown size fills the box", box, 0, 0, {true, true, true}, 1, 1, box},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(pictureRect(c.box, c.w, c.h, c.layout, c.scaleX, c.scaleY), c.expected);
    }
}

TEST(PictureDrawing, ImagesPlaceholdersAndNothing) {
    const TBitmap bitmap(bmpFile(dibHeader(40, 200, 100, 8, 1), palette({kRed}), {0, 1}));  // RLE8, all skipped
    const TMetafile metafile(emfFile(2540, 2540));
    const RectF box{0, 0, 100, 100};

    DisplayList withImage;
    drawPicture(withImage, box, &bitmap, {true, true, true});
    ASSERT_EQ(withImage.commands().size(), 1u);
    const auto& draw = std::get<dl::DrawImage>(withImage.commands()[0]);
    EXPECT_EQ(draw.target, (RectF{0, 25, 100, 75}));
    EXPECT_EQ(draw.image->width, 200);

    DisplayList placeholder;
    drawPicture(placeholder, box, &metafile, {true, true, false});
    const auto& cmds = placeholder.commands();
    ASSERT_FALSE(cmds.empty());
    bool rect = false;
    for (const auto& c : cmds)
        if (const auto* r = std::get_if<dl::Rect>(&c)) rect = r->r == box;  // 96 x 96 metafile in 100 x 100
    EXPECT_TRUE(rect);
    for (const auto& c : cmds) EXPECT_FALSE(std::holds_alternative<dl::DrawImage>(c));

    DisplayList nothing;
    drawPicture(nothing, box, nullptr, {});
    const TBitmap empty(Bytes{});
    drawPicture(nothing, box, &empty, {});
    EXPECT_TRUE(nothing.empty());
}
