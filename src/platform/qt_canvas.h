#pragma once
// Canvas over a QPainter: screen widgets, images, PDF files and printers.
#include <QFont>
#include <QPainter>
#include <QRawFont>
#include <string>

#include "gfx/canvas.h"

namespace lumaro {

// What a canvas tells about its device: resolution and whether it is a printer.
struct CanvasDevice {
    double dpiX = 96, dpiY = 96;
    bool printer = false;
};

class QtCanvas : public Canvas {
public:
    // The device's resolution and kind are taken from the painter's device: its logical
    // resolution, and a printer when it is a QPrinter.
    explicit QtCanvas(QPainter& painter);
    // The device as given (a preview that draws a printer's page on the screen, a PDF file
    // that stands for the printer).
    QtCanvas(QPainter& painter, const CanvasDevice& device);

    double dpiX() const override { return device_.dpiX; }
    double dpiY() const override { return device_.dpiY; }
    bool isPrinter() const override { return device_.printer; }

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
    // A QFont of the family and style of `font`, unhinted, sized for a device with `dpi` dots
    // per inch.
    static QFont toQFont(const FontSpec& font, double dpi);

private:
    QRectF shapeRect(const RectF& r) const;

    void drawGlyphRun(const std::u32string& text, const std::vector<double>& advances);

    QPainter& p_;
    CanvasDevice device_;
    FontSpec font_;
    // The unhinted font of font_ for positioned runs, made when first needed.
    QRawFont rawFont_;
    bool rawFontMade_ = false;
    Color textColor_ = clBlack;
};

}  // namespace lumaro
