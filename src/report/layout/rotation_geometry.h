#pragma once
// Where a rotated text block starts in its rectangle, how long its lines may be and how much
// room it has across the lines.
#include "gfx/geometry.h"

namespace lumaro {

// Sine and cosine of an angle in whole degrees, exact at the right angles.
struct Direction {
    double sin = 0, cos = 1;
};
Direction directionOf(int degrees);

struct BlockPlacement {
    double x = 0, y = 0;     // top-left corner of the first line's cell
    double lineWidth = 0;    // along the lines
    double usableHeight = 0; // across the lines; minus the block height it is the free room
    double alignX = 0, alignY = 1;  // direction in which vertical alignment moves the block
};

// `rotation` in 0..359 (counter-clockwise), `r` the rectangle on the canvas, `blockHeight` the
// height of all lines. At the right angles the block fills the rectangle (the lines along the
// side the text runs on); at an oblique angle the lines are as long as the rectangle's width
// allows with the block's thickness, and the block touches the rectangle's sides.
BlockPlacement placeBlock(int rotation, const RectF& r, double blockHeight);

}  // namespace lumaro
