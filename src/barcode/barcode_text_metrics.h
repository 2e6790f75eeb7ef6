#pragma once
// Measuring the human-readable text of a barcode. The engine centres the text of most
// symbologies under the bars and needs its width for that; the Qt layer measures with the
// real font, headless runs use the default below.
#include <string_view>

#include "gfx/drawing_tools.h"

namespace lumaro {

class BarcodeTextMetrics {
public:
    virtual ~BarcodeTextMetrics() = default;
    // Advance width of `text` drawn in `font`, in the units of font.pixelSize.
    virtual double textWidth(const FontSpec& font, std::string_view text) const = 0;
};

// Fixed advance widths of Arial (and of the metric-compatible Liberation Sans) for the
// printable ASCII characters, every other character as wide as a digit; no kerning. The
// same figures on every machine, and for digits and capitals the same as the real font.
const BarcodeTextMetrics& defaultBarcodeTextMetrics();

}  // namespace lumaro
