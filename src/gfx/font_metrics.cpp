#include "gfx/font_metrics.h"

#include "core/text.h"

namespace lumaro {

double FontMetrics::textWidth(const FontSpec& font, std::string_view text) const {
    auto metrics = face(font);
    double width = 0;
    for (char32_t cp : toU32(text)) width += metrics->advance(cp);
    return width;
}

}  // namespace lumaro
