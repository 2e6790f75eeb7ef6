#include "report/layout/rotation_geometry.h"

#include <cmath>
#include <numbers>

#include "report/layout/layout_numbers.h"

namespace lumaro {

namespace {

double nearest(double v) { return static_cast<double>(layout::nearest(v)); }

using Place = BlockPlacement (*)(const RectF& r, double H, double w, double s, double c);

// Each function gives the start, line width and usable height for the rectangle r, the block
// height H, the oblique line width w and the absolute sine s and cosine c.

// Right angles: 0, 90, 180, 270.
BlockPlacement at0(const RectF& r, double, double, double, double) {
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}
BlockPlacement at90(const RectF& r, double, double, double, double) {
    return {r.left, r.bottom, r.bottom - r.top, r.right - r.left};
}
BlockPlacement at180(const RectF& r, double, double, double, double) {
    return {r.right, r.bottom, r.right - r.left, r.bottom - r.top};
}
BlockPlacement at270(const RectF& r, double, double, double, double) {
    return {r.right, r.top, r.bottom - r.top, r.right - r.left};
}

// Oblique angles, one quadrant each (1..89, 91..179, 181..269, 271..359).
BlockPlacement in1(const RectF& r, double H, double w, double s, double c) {
    const double y = nearest(s * w) + r.top;
    return {r.left, y, w, H + (r.bottom - y - nearest(c * H))};
}
BlockPlacement in2(const RectF& r, double H, double w, double s, double c) {
    return {nearest(c * w) + r.left, r.bottom, w, H + (r.bottom - r.top - nearest(c * H + s * w))};
}
BlockPlacement in3(const RectF& r, double H, double w, double s, double c) {
    const double y = r.bottom - nearest(s * w);
    return {r.right, y, w, H + (y - r.top - nearest(c * H))};
}
BlockPlacement in4(const RectF& r, double H, double w, double s, double c) {
    return {nearest(s * H) + r.left, r.top, w, H + (r.bottom - r.top - nearest(s * w + c * H))};
}

// Indexed by rotation / 90.
const Place kRightAngles[] = {at0, at90, at180, at270};
struct Oblique {
    Place place;
    double alignY;  // vertical alignment moves the block straight down (1) or up (-1)
};
const Oblique kOblique[] = {{in1, 1}, {in2, -1}, {in3, -1}, {in4, 1}};

}  // namespace

Direction directionOf(int degrees) {
    degrees = ((degrees % 360) + 360) % 360;
    switch (degrees) {
        case 0: return {0, 1};
        case 90: return {1, 0};
        case 180: return {0, -1};
        case 270: return {-1, 0};
        default: {
            const double a = degrees * std::numbers::pi / 180;
            return {std::sin(a), std::cos(a)};
        }
    }
}

BlockPlacement placeBlock(int rotation, const RectF& r, double blockHeight) {
    rotation = ((rotation % 360) + 360) % 360;
    const Direction d = directionOf(rotation);
    const double s = std::fabs(d.sin), c = std::fabs(d.cos);
    if (rotation % 90 == 0) {
        BlockPlacement p = kRightAngles[rotation / 90](r, blockHeight, 0, s, c);
        p.alignX = d.sin;  // across the lines, the way they advance
        p.alignY = d.cos;
        return p;
    }
    const Oblique& q = kOblique[rotation / 90];
    const double w = nearest((r.right - r.left - s * blockHeight) / c);
    BlockPlacement p = q.place(r, blockHeight, w, s, c);
    p.alignX = 0;
    p.alignY = q.alignY;
    return p;
}

}  // namespace lumaro
