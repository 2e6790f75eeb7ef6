#include "gfx/builtin_font_metrics.h"

namespace lumaro {

namespace {
// Advance widths in thousandths of the em for the characters 32 to 126.
constexpr short kArialWidths[95] = {
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278,  // space to /
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556,  // 0 to ?
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778,  // @ to O
    667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556,  // P to _
    333, 556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556,  // ` to o
    556, 556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584,       // p to ~
};
constexpr short kOtherWidth = 556;
// Arial's ascent and descent in thousandths of the em.
constexpr double kAscent = 905, kDescent = 212;

class ArialFace final : public FontFaceMetrics {
public:
    explicit ArialFace(double em) : em_(em) {}
    double advance(char32_t c) const override {
        return (c >= 32 && c <= 126 ? kArialWidths[c - 32] : kOtherWidth) * em_ / 1000.0;
    }
    double ascent() const override { return kAscent * em_ / 1000.0; }
    double descent() const override { return kDescent * em_ / 1000.0; }

private:
    double em_;
};

class ArialTable final : public FontMetrics {
public:
    std::shared_ptr<const FontFaceMetrics> face(const FontSpec& font) const override {
        return std::make_shared<ArialFace>(font.pixelSize);
    }
};
}  // namespace

const FontMetrics& builtinFontMetrics() {
    static const ArialTable metrics;
    return metrics;
}

}  // namespace lumaro
