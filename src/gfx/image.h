#pragma once
// A decoded picture: 32-bit pixels 0xAARRGGBB, rows top to bottom.
#include <cstdint>
#include <vector>

namespace lumaro {

struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    bool isNull() const { return width <= 0 || height <= 0; }
    uint32_t pixel(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
};

}  // namespace lumaro
