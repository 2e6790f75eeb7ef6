#pragma once
// Placing and drawing a picture's graphic inside a view's rectangle.
#include "gfx/canvas.h"
#include "gfx/graphic.h"

namespace lumaro {

struct PictureLayout {
    bool stretched = true;
    bool keepAspectRatio = true;
    bool center = false;
};

// Where a graphic of graphicWidth × graphicHeight pixels is drawn inside `box` (the view's
// X, Y, X1, Y1 in whole output pixels):
// - stretched: the whole box; with keepAspectRatio the side with the larger scale factor is
//   reduced to keep the proportions (rounded, ties to even);
// - not stretched: the graphic's size times scaleX and scaleY, at the box's corner;
// - center moves the result by half the difference to the box (integer division toward zero).
// A graphic of unknown size (0) fills the box.
RectF pictureRect(const RectF& box, int graphicWidth, int graphicHeight, const PictureLayout& layout,
                  double scaleX = 1, double scaleY = 1);

// Draws the graphic's pixels stretched into `target`, or the placeholder when it has none to
// give (a metafile, a PNG icon, damaged data). Leaves pen and brush changed.
void drawGraphic(Canvas& canvas, const RectF& target, const TGraphic& graphic);

// A visible stand-in for a graphic that cannot be drawn: a light grey box with a grey border
// and both diagonals.
void drawGraphicPlaceholder(Canvas& canvas, const RectF& target);

// Both steps for a view: nothing for a missing or empty graphic, else pictureRect and drawGraphic.
void drawPicture(Canvas& canvas, const RectF& box, const TGraphic* graphic, const PictureLayout& layout,
                 double scaleX = 1, double scaleY = 1);

}  // namespace lumaro
