#include "report/views/draw/thick_stroke.h"

#include <algorithm>
#include <cmath>

#include "report/views/draw/draw_tools.h"

namespace lumaro::draw {

void drawThickStroke(Canvas& canvas, PointF from, PointF to, double width) {
    const int lines = std::clamp(whole(width), 1, kMaxStrokeLines);
    const bool steep = std::fabs(to.y - from.y) > std::fabs(to.x - from.x);
    const double centre = steep ? from.x : from.y;
    const double first = std::floor(centre - lines / 2.0 + 0.5);
    for (int i = 0; i < lines; ++i) {
        const double shift = first + i - centre;
        if (steep)
            canvas.drawLine({from.x + shift, from.y}, {to.x + shift, to.y});
        else
            canvas.drawLine({from.x, from.y + shift}, {to.x, to.y + shift});
    }
}

}  // namespace lumaro::draw
