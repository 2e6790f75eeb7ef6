#pragma once
// Points and rectangles in floating-point device units.
#include <algorithm>

namespace lumaro {

struct PointF {
    double x = 0, y = 0;
    bool operator==(const PointF&) const = default;
};

struct RectF {
    double left = 0, top = 0, right = 0, bottom = 0;
    static RectF fromXYWH(double x, double y, double w, double h) { return {x, y, x + w, y + h}; }
    double width() const { return right - left; }
    double height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    RectF normalized() const {
        return {std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
    }
    RectF translated(double dx, double dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    bool contains(PointF p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    bool operator==(const RectF&) const = default;
};

}  // namespace lumaro
