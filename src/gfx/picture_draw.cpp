#include "gfx/picture_draw.h"

#include <cmath>

namespace lumaro {

namespace {
double whole(double v) { return std::nearbyint(v); }  // ties to even in the default rounding mode
}  // namespace

RectF pictureRect(const RectF& box, int graphicWidth, int graphicHeight, const PictureLayout& layout,
                  double scaleX, double scaleY) {
    if (graphicWidth <= 0 || graphicHeight <= 0) return box;
    const double x = box.left, y = box.top;
    const double dx = box.width(), dy = box.height();
    double w = dx, h = dy;
    if (layout.stretched) {
        if (layout.keepAspectRatio) {
            const double kx = dx / graphicWidth, ky = dy / graphicHeight;
            if (ky > kx) h = whole(graphicHeight * kx);
            else w = whole(graphicWidth * ky);
        }
    } else {
        w = whole(graphicWidth * scaleX);
        h = whole(graphicHeight * scaleY);
    }
    RectF r{x, y, x + w, y + h};
    if (layout.center)
        r = r.translated(std::trunc((whole(dx) - w) / 2), std::trunc((whole(dy) - h) / 2));
    return r;
}

void drawGraphicPlaceholder(Canvas& canvas, const RectF& target) {
    canvas.setPen(Pen{clGray, 1, PenStyle::Solid});
    canvas.setBrush(Brush{rgb(240, 240, 240), BrushStyle::Solid});
    canvas.drawRect(target);
    canvas.drawLine({target.left, target.top}, {target.right - 1, target.bottom - 1});
    canvas.drawLine({target.left, target.bottom - 1}, {target.right - 1, target.top});
}

void drawGraphic(Canvas& canvas, const RectF& target, const TGraphic& graphic) {
    if (const auto image = graphic.image()) canvas.drawImage(target, *image);
    else drawGraphicPlaceholder(canvas, target);
}

void drawPicture(Canvas& canvas, const RectF& box, const TGraphic* graphic, const PictureLayout& layout,
                 double scaleX, double scaleY) {
    if (!graphic || graphic->isEmpty()) return;
    drawGraphic(canvas, pictureRect(box, graphic->width(), graphic->height(), layout, scaleX, scaleY), *graphic);
}

}  // namespace lumaro
