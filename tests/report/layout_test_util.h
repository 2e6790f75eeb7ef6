#pragma once
// Setting up a text layout with the deterministic test metrics, and reading back what it drew.
//
// With the test metrics a 12 point font measures 100 units per em (16 report pixels): a
// lower-case letter or digit is 50 units (8 pixels) wide, a blank 25 units (4 pixels), and
// the line height is 16 pixels plus the line spacing.
#include <cctype>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "gfx/display_list.h"
#include "report/layout/draw_text.h"
#include "report/layout/rotation_geometry.h"
#include "report/model/font.h"
#include "support/fixed_font_metrics.h"

namespace lumaro::testing {

struct LayoutSetup {
    std::vector<std::string> lines;
    RectF rect{0, 0, 100, 100};  // unscaled text rectangle
    int size = 12;
    int style = 0;
    std::string fontName = "Arial";
    Color color = clBlack;
    bool wordWrap = true, tags = false, wordBreak = false, clipped = true, rtl = false;
    int rotation = 0;
    double lineSpacing = 0, charSpacing = 0, paragraphGap = 0;
};

inline TfrxFont fontOf(const LayoutSetup& s) {
    TfrxFont font;
    font.SetName(s.fontName);
    font.SetSize(s.size);
    font.SetStyle(s.style);
    font.SetColor(s.color);
    return font;
}

// Lays the text out for drawing at `scaleX`, `scaleY` (the scaled rectangle is the unscaled one
// scaled from the origin).
inline void layOut(TfrxDrawText& dt, const LayoutSetup& s, double scaleX = 1, double scaleY = 1) {
    dt.SetFont(fontOf(s));
    dt.SetOptions(s.wordWrap, s.tags, s.rotation, s.clipped, s.wordBreak, s.rtl);
    dt.SetGaps(s.lineSpacing, s.charSpacing, s.paragraphGap);
    const RectF scaled{s.rect.left * scaleX, s.rect.top * scaleY, s.rect.right * scaleX, s.rect.bottom * scaleY};
    dt.SetDimensions(s.rect, scaled, scaleY, scaleX);
    dt.SetText(s.lines);
}

// Test names for parameterised cases that carry a `name`.
struct CaseName {
    template <class Info>
    std::string operator()(const Info& info) const {
        std::string name = info.param.name;
        for (char& ch : name)
            if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
        return name;
    }
};

inline std::vector<std::string> lineTexts(const TfrxDrawText& dt) {
    std::vector<std::string> out;
    for (const LayoutLine& l : dt.lines()) out.push_back(l.text());
    return out;
}

// A layout object measuring with the test metrics.
struct FixedLayout {
    TfrxDrawText dt;
    FixedLayout() { dt.setFontMetrics(std::make_shared<test::FixedFontMetrics>()); }
};

// A recording canvas that reports itself as a printer of the given resolution.
class PrinterRecording : public DisplayList {
public:
    explicit PrinterRecording(double dpi) : dpi_(dpi) {}
    double dpiX() const override { return dpi_; }
    double dpiY() const override { return dpi_; }
    bool isPrinter() const override { return true; }

private:
    double dpi_;
};

inline double runWidth(const TextRun& r) {
    double w = 0;
    for (double a : r.advances) w += a;
    return w;
}

// The drawn lines: consecutive runs that continue one another (the next starts where the
// previous ended, along the text's direction) form one line.
struct DrawnLine {
    std::string text;
    PointF origin;
    double width = 0;
    std::vector<TextRun> runs;
};

inline std::vector<DrawnLine> drawnLines(const DisplayList& list, int rotation = 0) {
    const Direction d = directionOf(rotation);
    const auto along = [&](PointF p) { return p.x * d.cos - p.y * d.sin; };
    const auto across = [&](PointF p) { return p.x * d.sin + p.y * d.cos; };
    std::vector<DrawnLine> lines;
    double end = 0;
    for (const TextRun& r : list.textRuns()) {
        const bool continues = !lines.empty() && std::abs(along(r.origin) - end) <= 1.5 &&
                               std::abs(across(r.origin) - across(lines.back().origin)) <
                                   0.75 * lines.back().runs.front().font.pixelSize;
        if (!continues) lines.push_back({"", r.origin, 0, {}});
        const double w = runWidth(r);
        lines.back().text += r.text;
        lines.back().width += w;
        lines.back().runs.push_back(r);
        end = along(r.origin) + w;
    }
    return lines;
}

}  // namespace lumaro::testing
