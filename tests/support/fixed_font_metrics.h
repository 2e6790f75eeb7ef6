#pragma once
// Deterministic font metrics for headless tests: every advance is a fixed fraction of the em
// height, chosen by the code point's class, so a test can compute any line width by hand.
//   blank 0.25 em, narrow punctuation (.,;:'!|) 0.25 em, digits 0.5 em, lower-case letters
//   0.5 em ('i', 'l' 0.25, 'm', 'w' 0.75), upper-case letters 0.625 em ('I' 0.25, 'M', 'W'
//   0.875), everything else 0.5 em; bold adds 0.0625 em to each advance.
//   ascent 0.875 em, descent 0.25 em (cell height 1.125 em).
// The fractions are exact in binary, so sums carry no rounding error.
#include <memory>

#include "gfx/font_metrics.h"

namespace lumaro::test {

class FixedFontFace final : public FontFaceMetrics {
public:
    FixedFontFace(double em, bool bold) : em_(em), bold_(bold) {}
    double advance(char32_t c) const override {
        double f = 0.5;
        if (c == U' ' || c == 0xA0 || c == U'.' || c == U',' || c == U';' || c == U':' || c == U'\'' ||
            c == U'!' || c == U'|' || c == U'i' || c == U'l' || c == U'I')
            f = 0.25;
        else if (c == U'm' || c == U'w')
            f = 0.75;
        else if (c == U'M' || c == U'W')
            f = 0.875;
        else if (c >= U'A' && c <= U'Z')
            f = 0.625;
        if (bold_) f += 0.0625;
        return f * em_;
    }
    double ascent() const override { return 0.875 * em_; }
    double descent() const override { return 0.25 * em_; }

private:
    double em_;
    bool bold_;
};

class FixedFontMetrics final : public FontMetrics {
public:
    std::shared_ptr<const FontFaceMetrics> face(const FontSpec& font) const override {
        return std::make_shared<FixedFontFace>(font.pixelSize, (font.style & fsBold) != 0);
    }
};

}  // namespace lumaro::test
