#pragma once
// The font metrics text layout uses when its host has given none: fixed figures, the same on
// every machine, so headless programs lay out text as a host with real fonts would, nearly.
#include "gfx/font_metrics.h"

namespace lumaro {

const FontMetrics& defaultFontMetrics();

}  // namespace lumaro
