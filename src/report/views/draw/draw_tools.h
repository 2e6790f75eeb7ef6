#pragma once
// Small conversions shared by the drawing of the views: whole device pixels, and the pens,
// brushes and fonts of the object model as a Canvas takes them.
#include "gfx/canvas.h"
#include "report/model/font.h"
#include "report/model/report_types.h"

namespace lumaro::draw {

// Device coordinates are kept within ±2^28 pixels, so that sums and differences of a few of
// them stay well inside int whatever a template holds (NaN counts as 0).
inline constexpr double kMaxDevicePixel = 268435456.0;

// A device value rounded to a whole pixel, ties to even.
int whole(double v);
// A device value clamped as above, not rounded.
double clampDevice(double v);

// The pen style of a frame style; a double frame draws its lines solid.
PenStyle penStyleOf(TfrxFrameStyle style);
BrushStyle brushStyleOf(TBrushStyle style);
bool isHatch(TBrushStyle style);

// The font at `scale` output pixels per object pixel.
FontSpec fontSpecOf(const TfrxFont& font, double scale);

}  // namespace lumaro::draw
