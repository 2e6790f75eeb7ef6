#pragma once
// Measuring text without a device. A font's metrics are asked for at one em height (the
// FontSpec's pixelSize, in whatever units the caller works in: text layout measures at 600
// units per inch); the same question gives the same answer on every machine, screen and
// printer, because the implementation measures outlines without hinting. The Qt layer
// provides the real implementation (fonts resolved through fontconfig); headless tests use a
// deterministic one (tests/support).
#include <memory>
#include <string_view>

#include "gfx/drawing_tools.h"

namespace lumaro {

// Metrics of one font (name, style, em height) as a table that callers may keep while they
// measure many lines. Every value is in the units of the em height asked for; there is no
// kerning: a text is as wide as the sum of its code points' advances.
class FontFaceMetrics {
public:
    virtual ~FontFaceMetrics() = default;
    // Distance from this code point's origin to the next one's.
    virtual double advance(char32_t codePoint) const = 0;
    // Extent above and below the baseline; height() is the cell height of one line.
    virtual double ascent() const = 0;
    virtual double descent() const = 0;
    double height() const { return ascent() + descent(); }
};

class FontMetrics {
public:
    virtual ~FontMetrics() = default;
    // The metrics of `font` (name, style bits and pixelSize; colour and angle do not matter).
    // Never null: an unknown name falls back to a substitute font.
    virtual std::shared_ptr<const FontFaceMetrics> face(const FontSpec& font) const = 0;

    // Sum of the advances of the code points of the UTF-8 `text`.
    double textWidth(const FontSpec& font, std::string_view text) const;
};

}  // namespace lumaro
