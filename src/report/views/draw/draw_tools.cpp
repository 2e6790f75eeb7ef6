#include "report/views/draw/draw_tools.h"

#include <cmath>
#include <iterator>

#include "core/number_text.h"

namespace lumaro::draw {

double clampDevice(double v) {
    if (std::isnan(v)) return 0;
    return std::fmax(-kMaxDevicePixel, std::fmin(kMaxDevicePixel, v));
}

int whole(double v) { return static_cast<int>(roundHalfEven(clampDevice(v))); }

PenStyle penStyleOf(TfrxFrameStyle style) {
    static constexpr PenStyle kStyles[] = {PenStyle::Solid,   PenStyle::Dash,       PenStyle::Dot,
                                           PenStyle::DashDot, PenStyle::DashDotDot, PenStyle::Solid};
    const auto i = static_cast<size_t>(style);
    return i < std::size(kStyles) ? kStyles[i] : PenStyle::Solid;
}

BrushStyle brushStyleOf(TBrushStyle style) {
    static constexpr BrushStyle kStyles[] = {BrushStyle::Solid,     BrushStyle::Clear,     BrushStyle::Horizontal,
                                             BrushStyle::Vertical,  BrushStyle::FDiagonal, BrushStyle::BDiagonal,
                                             BrushStyle::Cross,     BrushStyle::DiagCross};
    const auto i = static_cast<size_t>(style);
    return i < std::size(kStyles) ? kStyles[i] : BrushStyle::Solid;
}

bool isHatch(TBrushStyle style) { return style != bsSolid && style != bsClear; }

FontSpec fontSpecOf(const TfrxFont& font, double scale) {
    FontSpec spec;
    spec.name = font.Name();
    spec.pixelSize = std::fabs(static_cast<double>(font.Height()) * scale);
    spec.style = font.Style();
    spec.color = font.Color();
    spec.charset = font.Charset();
    return spec;
}

}  // namespace lumaro::draw
