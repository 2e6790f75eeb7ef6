#include "gfx/color.h"

namespace lumaro {

Color colorToRgb(Color c) {
    if (c >= 0) return c & 0xFFFFFF;
    // A fixed light theme for the system colours that report objects may use.
    static const Color system[] = {
        rgb(212, 208, 200), rgb(58, 110, 165), rgb(10, 36, 106), rgb(128, 128, 128),  // 0..3
        rgb(212, 208, 200), rgb(255, 255, 255), rgb(0, 0, 0), rgb(0, 0, 0),            // 4..7
        rgb(0, 0, 0), rgb(255, 255, 255), rgb(212, 208, 200), rgb(212, 208, 200),       // 8..11
        rgb(128, 128, 128), rgb(10, 36, 106), rgb(255, 255, 255), rgb(212, 208, 200),   // 12..15
        rgb(128, 128, 128), rgb(128, 128, 128), rgb(0, 0, 0), rgb(212, 208, 200),       // 16..19
        rgb(255, 255, 255), rgb(64, 64, 64), rgb(212, 208, 200), rgb(0, 0, 0),          // 20..23
        rgb(255, 255, 225)};                                                           // 24
    const int idx = c & 0xFF;
    return idx < static_cast<int>(sizeof system / sizeof system[0]) ? system[idx] : 0;
}

}  // namespace lumaro
