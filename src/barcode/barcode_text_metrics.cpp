#include "barcode/barcode_text_metrics.h"

#include "core/text.h"

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

class ArialTable final : public BarcodeTextMetrics {
public:
    double textWidth(const FontSpec& font, std::string_view text) const override {
        long units = 0;
        for (char32_t c : toU32(text)) units += c >= 32 && c <= 126 ? kArialWidths[c - 32] : kOtherWidth;
        return static_cast<double>(units) * font.pixelSize / 1000.0;
    }
};
}  // namespace

const BarcodeTextMetrics& defaultBarcodeTextMetrics() {
    static const ArialTable metrics;
    return metrics;
}

}  // namespace lumaro
