// Shapes: rectangles, rounded rectangles, ellipses, triangles, diamonds and the two diagonals.
#include <algorithm>
#include <iterator>

#include "report/views/draw/draw_tools.h"
#include "report/views/draw/thick_stroke.h"
#include "report/views/draw_context.h"
#include "report/views/shape_view.h"

namespace lumaro {

namespace {

struct ShapeBox {
    int x, y, x1, y1, dx, dy;
    RectF rect() const { return {double(x), double(y), x1 + 1.0, y1 + 1.0}; }
};

PointF pt(int x, int y) { return {double(x), double(y)}; }

void rectangle(Canvas& c, const ShapeBox& b) { c.drawRect(b.rect()); }
void roundRectangle(Canvas& c, const ShapeBox& b) {
    const int corner = std::min(b.dx, b.dy) / 4;
    c.drawRoundRect(b.rect(), corner, corner);
}
void ellipse(Canvas& c, const ShapeBox& b) { c.drawEllipse(b.rect()); }
void triangle(Canvas& c, const ShapeBox& b) {
    c.drawPolygon({pt(b.x1, b.y1), pt(b.x, b.y1), pt(b.x + b.dx / 2, b.y)});
}
void diamond(Canvas& c, const ShapeBox& b) {
    c.drawPolygon({pt(b.x + b.dx / 2, b.y), pt(b.x1, b.y + b.dy / 2), pt(b.x + b.dx / 2, b.y1), pt(b.x, b.y + b.dy / 2)});
}

// The outlined and filled shapes, by kind (the diagonals are strokes).
constexpr void (*kOutlines[])(Canvas&, const ShapeBox&) = {rectangle, roundRectangle, ellipse, triangle, diamond};

}  // namespace

void TfrxShapeView::Draw(const DrawContext& context) const {
    Canvas& canvas = context.canvas;
    const DrawBox b = BeginDraw(context);
    const double frameWidth = b.frameWidth;
    const ShapeBox box{b.x, b.y, b.x1, b.y1, b.dx, b.dy};
    const TfrxFrame& frame = Frame();
    const PenStyle penStyle = draw::penStyleOf(frame.Style());

    if (shape_ == skDiagonal1 || shape_ == skDiagonal2) {
        canvas.setPen(Pen{frame.Color(), 1, penStyle});
        if (shape_ == skDiagonal1) draw::drawThickStroke(canvas, pt(box.x, box.y1), pt(box.x1, box.y), frameWidth);
        else draw::drawThickStroke(canvas, pt(box.x, box.y), pt(box.x1, box.y1), frameWidth);
        return;
    }
    const auto kind = static_cast<size_t>(shape_);
    if (kind >= std::size(kOutlines)) return;
    const auto outline = kOutlines[kind];

    canvas.setPen(Pen{frame.Color(), frameWidth, penStyle});
    if (BrushStyle() != bsSolid) {
        // Filled first, then hatched over the fill.
        if (Color() != clNone) {
            canvas.setBrush(Brush{Color(), lumaro::BrushStyle::Solid});
            outline(canvas, box);
        }
        canvas.setBrush(Brush{frame.Color(), draw::brushStyleOf(BrushStyle())});
    } else if (Color() != clNone) {
        canvas.setBrush(Brush{Color(), lumaro::BrushStyle::Solid});
    } else {
        canvas.setBrush(Brush{clWhite, lumaro::BrushStyle::Clear});
    }
    outline(canvas, box);
}

}  // namespace lumaro
