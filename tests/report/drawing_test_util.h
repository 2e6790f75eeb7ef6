#pragma once
// Helpers for the drawing tests: commands of one kind from a display list, and the pixels that
// one-pixel lines cover on a device that leaves out a line's last point.
#include <set>
#include <utility>
#include <variant>
#include <vector>

#include "gfx/display_list.h"

namespace lumaro::testing {

template <class Command>
std::vector<Command> commandsOf(const DisplayList& list) {
    std::vector<Command> out;
    for (const auto& c : list.commands())
        if (const auto* cmd = std::get_if<Command>(&c)) out.push_back(*cmd);
    return out;
}

inline std::vector<std::pair<PointF, PointF>> linesOf(const DisplayList& list) {
    std::vector<std::pair<PointF, PointF>> out;
    for (const auto& l : commandsOf<dl::Line>(list)) out.emplace_back(l.from, l.to);
    return out;
}

using Pixel = std::pair<int, int>;

// Pixels of the horizontal and vertical lines drawn with a one-pixel pen, the last point of
// each line left out.
inline std::set<Pixel> linePixels(const DisplayList& list) {
    std::set<Pixel> pixels;
    for (const auto& l : commandsOf<dl::Line>(list)) {
        const int x0 = int(l.from.x), y0 = int(l.from.y), x1 = int(l.to.x), y1 = int(l.to.y);
        const int sx = (x1 > x0) - (x1 < x0), sy = (y1 > y0) - (y1 < y0);
        for (int x = x0, y = y0; x != x1 || y != y1; x += sx, y += sy) pixels.insert({x, y});
    }
    return pixels;
}

// The outline of the rectangle from (x, y) to (x1, y1), both corners included.
inline std::set<Pixel> ring(int x, int y, int x1, int y1) {
    std::set<Pixel> pixels;
    for (int i = x; i <= x1; ++i) pixels.insert({i, y}), pixels.insert({i, y1});
    for (int j = y; j <= y1; ++j) pixels.insert({x, j}), pixels.insert({x1, j});
    return pixels;
}

}  // namespace lumaro::testing
