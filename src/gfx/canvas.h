#pragma once
// The drawing surface every view, barcode and text layout draws on. Implemented over
// QPainter in the platform layer (screen, image, PDF, printer) and by DisplayList,
// which records calls for later playback and inspection.
#include <string_view>
#include <vector>

#include "gfx/drawing_tools.h"
#include "gfx/geometry.h"
#include "gfx/image.h"

namespace lumaro {

class Canvas {
public:
    virtual ~Canvas() = default;

    // Device resolution in dots per inch (96 for the screen and for recordings), and whether
    // this is a printer's canvas: text layout takes font heights from the printer's own
    // resolution, and views that are not printable are left out on a printer.
    virtual double dpiX() const { return 96; }
    virtual double dpiY() const { return 96; }
    virtual bool isPrinter() const { return false; }

    virtual void setPen(const Pen& pen) = 0;
    virtual void setBrush(const Brush& brush) = 0;
    virtual void setFont(const FontSpec& font) = 0;

    // Shapes are outlined with the pen and filled with the brush, like GDI: a rectangle
    // covers left..right-1, top..bottom-1 in device pixels.
    virtual void drawLine(PointF from, PointF to) = 0;
    virtual void drawRect(const RectF& r) = 0;
    virtual void drawEllipse(const RectF& r) = 0;
    virtual void drawRoundRect(const RectF& r, double cornerWidth, double cornerHeight) = 0;
    virtual void drawPolygon(const std::vector<PointF>& points) = 0;
    virtual void drawPolyline(const std::vector<PointF>& points) = 0;
    // Fills without an outline, ignoring pen and brush.
    virtual void fillRect(const RectF& r, Color color) = 0;

    // Text with its cell's top-left corner at `origin`, rotated about it by the font's angle.
    // `advances`, when given, holds the distance from each code point to the next: each
    // character is placed there, and the run stays one piece of text (one text object in a
    // PDF, selectable as a whole).
    virtual void drawText(PointF origin, std::string_view text, const std::vector<double>* advances = nullptr) = 0;

    virtual void drawImage(const RectF& target, const Image& image) = 0;

    // Clipping replaces any earlier clip rectangle; resetClip removes it.
    virtual void setClipRect(const RectF& r) = 0;
    virtual void resetClip() = 0;
};

}  // namespace lumaro
