#pragma once
// Thick strokes drawn as parallel one-pixel lines, the way shadows, dashed and dotted frame
// sides, diagonal lines and diagonal shapes are drawn: a wide pen would lose the dash pattern
// and put a diagonal's ends off the object's corners.
#include "gfx/canvas.h"

namespace lumaro::draw {

// At most this many lines make one stroke, whatever width a template asks for.
inline constexpr int kMaxStrokeLines = 4096;

// Draws a stroke `width` pixels thick (rounded, at least one line) from `from` to `to` with
// the current pen (normally one pixel wide). The lines lie side by side across the stroke:
// shifted horizontally for a steep stroke, vertically for a flat one (45 degrees counts as
// flat), on whole pixels, centred on the stroke's position: width 2 at x covers x - 1 and x,
// width 4 centred at x + 2 covers x to x + 3.
void drawThickStroke(Canvas& canvas, PointF from, PointF to, double width);

}  // namespace lumaro::draw
