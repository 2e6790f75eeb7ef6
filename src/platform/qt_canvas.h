#pragma once
// Canvas over a QPainter: screen widgets, images, PDF files and printers.
#include <QFont>
#include <QPainter>

#include "gfx/canvas.h"

namespace lumaro {

class QtCanvas : public Canvas {
public:
    explicit QtCanvas(QPainter& painter);

    void setPen(const Pen& pen) override;
    void setBrush(const Brush& brush) override;
    void setFont(const FontSpec& font) override;
    void drawLine(PointF from, PointF to) override;
    void drawRect(const RectF& r) override;
    void drawEllipse(const RectF& r) override;
    void drawRoundRect(const RectF& r, double cornerWidth, double cornerHeight) override;
    void drawPolygon(const std::vector<PointF>& points) override;
    void drawPolyline(const std::vector<PointF>& points) override;
    void fillRect(const RectF& r, Color color) override;
    void drawText(PointF origin, std::string_view text, const std::vector<double>* advances = nullptr) override;
    void drawImage(const RectF& target, const Image& image) override;
    void setClipRect(const RectF& r) override;
    void resetClip() override;

    static QColor toQColor(Color c);
    // A QFont of the family and style of `font`, sized for a device with `dpi` dots per inch.
    static QFont toQFont(const FontSpec& font, double dpi);

private:
    QRectF shapeRect(const RectF& r) const;

    QPainter& p_;
    FontSpec font_;
    Color textColor_ = clBlack;
};

}  // namespace lumaro
