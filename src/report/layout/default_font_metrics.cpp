#include "report/layout/default_font_metrics.h"

#include <string>

#include "barcode/barcode_text_metrics.h"
#include "core/text.h"

namespace lumaro {

namespace {

// The fixed Arial advance table of the barcode text, for every font; Arial's ascent and descent.
class ArialFace final : public FontFaceMetrics {
public:
    explicit ArialFace(const FontSpec& font) : font_(font) {}
    double advance(char32_t c) const override {
        std::string s;
        appendUtf8(s, c);
        return defaultBarcodeTextMetrics().textWidth(font_, s);
    }
    double ascent() const override { return 0.905 * font_.pixelSize; }
    double descent() const override { return 0.212 * font_.pixelSize; }

private:
    FontSpec font_;
};

class ArialMetrics final : public FontMetrics {
public:
    std::shared_ptr<const FontFaceMetrics> face(const FontSpec& font) const override {
        return std::make_shared<ArialFace>(font);
    }
};

}  // namespace

const FontMetrics& defaultFontMetrics() {
    static const ArialMetrics metrics;
    return metrics;
}

}  // namespace lumaro
