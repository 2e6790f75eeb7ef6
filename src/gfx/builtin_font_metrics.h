#pragma once
// Font metrics that need no font files: the advance widths of Arial (and of the
// metric-compatible Liberation Sans) for the printable ASCII characters, every other
// character as wide as a digit, no kerning, for every font name and style. Runs without a
// display (tests, tools, fuzzing) measure with these; the same figures on every machine, and
// for digits and capitals the same as the real font.
#include "gfx/font_metrics.h"

namespace lumaro {

const FontMetrics& builtinFontMetrics();

}  // namespace lumaro
