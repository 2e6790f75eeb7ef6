#pragma once
// A Canvas that writes SVG: enough for vector pictures of barcodes and simple drawings
// (shapes, fills and text; images and clipping are not written).
#include <string>

#include "gfx/canvas.h"

namespace lumaro {

class SvgCanvas : public Canvas {
public:
    SvgCanvas(double width, double height, Color background = clWhite);

    void setPen(const Pen& pen) override { pen_ = pen; }
    void setBrush(const Brush& brush) override { brush_ = brush; }
    void setFont(const FontSpec& font) override { font_ = font; }
    void drawLine(PointF from, PointF to) override;
    void drawRect(const RectF& r) override;
    void drawEllipse(const RectF& r) override;
    void drawRoundRect(const RectF& r, double cornerWidth, double cornerHeight) override;
    void drawPolygon(const std::vector<PointF>& points) override;
    void drawPolyline(const std::vector<PointF>& points) override;
    void fillRect(const RectF& r, Color color) override;
    void drawText(PointF origin, std::string_view text, const std::vector<double>* advances = nullptr) override;
    void drawImage(const RectF&, const Image&) override {}
    void setClipRect(const RectF&) override {}
    void resetClip() override {}

    // The finished document.
    std::string document() const;

private:
    std::string strokeAndFill(bool filled) const;

    double width_, height_;
    std::string body_;
    Pen pen_;
    Brush brush_;
    FontSpec font_;
};

}  // namespace lumaro
