#pragma once
// What one drawing of a view needs: the canvas, how object pixels map to device pixels, and
// who draws. A view draws from this value alone and keeps nothing of it, so the same object
// can be drawn many times, at several zooms and on several devices, also one drawing inside
// another.
#include "gfx/canvas.h"

namespace lumaro {

struct DrawContext {
    Canvas& canvas;
    // Device pixels per object pixel, and the device position of the object coordinates' origin.
    double scaleX = 1, scaleY = 1;
    double offsetX = 0, offsetY = 0;
    // Drawn in the designer's workspace (what only the designer shows of an object; objects
    // the designer made also say so themselves, TfrxComponent::IsDesigning).
    bool designing = false;
    // Drawn for printing (a printer or an export of what is printed).
    bool printing = false;

    // Device resolution and kind come from the canvas.
    double dpiX() const { return canvas.dpiX(); }
    double dpiY() const { return canvas.dpiY(); }
    bool isPrinter() const { return canvas.isPrinter(); }
};

}  // namespace lumaro
