#pragma once
// Pens, brushes and fonts as a Canvas takes them: everything in device units.
#include <string>

#include "gfx/color.h"

namespace lumaro {

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear, InsideFrame };

struct Pen {
    Color color = clBlack;
    double width = 1;  // device units; 0 draws the thinnest line the device has
    PenStyle style = PenStyle::Solid;
    bool operator==(const Pen&) const = default;
};

enum class BrushStyle { Solid, Clear, Horizontal, Vertical, FDiagonal, BDiagonal, Cross, DiagCross };

struct Brush {
    Color color = clWhite;
    BrushStyle style = BrushStyle::Solid;
    bool operator==(const Brush&) const = default;
};

enum FontStyleBits { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// A font ready for a device: its em height in device units and its rotation.
struct FontSpec {
    std::string name = "Arial";
    double pixelSize = 13;  // character height (without internal leading) in device units
    int style = 0;          // FontStyleBits
    Color color = clBlack;
    int charset = 1;
    double angle = 0;       // degrees, counter-clockwise
    bool operator==(const FontSpec&) const = default;
};

}  // namespace lumaro
