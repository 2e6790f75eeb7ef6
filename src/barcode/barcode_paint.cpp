// Painting: the code is drawn into a picture of its own units (one narrow module is `Modul`
// units), which is then stretched into the target rectangle.
#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

#include "barcode/barcode.h"
#include "barcode/element_pattern.h"
#include "core/number_text.h"
#include "gfx/display_list.h"

namespace lumaro {

namespace {
constexpr int kTextBand = 16;     // units across the code kept for the text
constexpr int kEanTextBand = 7;   // EAN/UPC bars reach 9 units into that band
constexpr double kFontPixels = 12;  // Arial 9 points at 96 units per inch
constexpr int kMaxSize = 1 << 24;  // bound for absurdly long codes and narrow rectangles

// A position along the code: a fixed unit, or counted from the code's width w.
struct Pos {
    int value;
    bool fromEnd = false;
    int at(int w) const { return fromEnd ? w + value : value; }
};

// A piece of the human-readable text: characters first..first+count-1 drawn from t, on a
// band from f to g (units along the code).
struct Segment {
    size_t first, count;
    Pos t, f, g;
    bool skipZero = false;  // not drawn when the text is "0"
};

constexpr Segment kEan8Text[] = {{0, 4, {3}, {3}, {30}}, {4, 4, {35}, {35}, {-4, true}}};
constexpr Segment kEan13Text[] = {
    {0, 1, {-8}, {-8}, {-2}, true}, {1, 6, {3}, {3}, {44}}, {7, 6, {49}, {49}, {-4, true}}};
constexpr Segment kUpcAText[] = {{0, 1, {-8}, {-8}, {-2}},
                                 {1, 5, {10}, {10}, {44}},
                                 {6, 5, {49}, {49}, {83}},
                                 {11, 1, {1, true}, {1, true}, {8, true}}};
constexpr Segment kUpcEText[] = {{0, 6, {3}, {3}, {44}}, {6, 1, {1, true}, {1, true}, {8, true}}};

struct TextLayout {
    TfrxBarcodeType type;
    std::span<const Segment> segments;
};
constexpr TextLayout kTextLayouts[] = {
    {bcCodeEAN8, kEan8Text},   {bcCodeEAN13, kEan13Text},  {bcCodeUPC_A, kUpcAText},
    {bcCodeUPC_E0, kUpcEText}, {bcCodeUPC_E1, kUpcEText},
};
}  // namespace

int barcodeQuarterTurns(double angle) {
    if (!std::isfinite(angle)) return 0;
    double a = std::fmod(angle, 360.0);
    if (a < 0) a += 360.0;
    return static_cast<int>(roundHalfEven(a / 90.0)) % 4;
}

struct TfrxBarcode::Area {
    int quarter;   // quarter turns, 0 to 3
    int w;         // length of the code
    int cross;     // size of the area across the code
    int am, hm;    // width and height of the area
};

void TfrxBarcode::PaintTo(Canvas& canvas, const RectF& rect, bool showText) {
    const std::string pattern = BuildPattern();
    const int w = widthOf(pattern);
    originX_ = originY_ = 0;

    Area a{};
    a.quarter = barcodeQuarterTurns(angle_);
    const bool horizontal = a.quarter % 2 == 0;
    a.w = w;
    const double along = horizontal ? rect.width() : rect.height();
    const double across = horizontal ? rect.height() : rect.width();
    if (!(along > 0) || !(across > 0) || !std::isfinite(along) || !std::isfinite(across) || w <= 0 || w > kMaxSize)
        return;
    const double scale = along / w;
    a.cross = static_cast<int>(roundHalfEven(std::min(across / scale, static_cast<double>(kMaxSize))));
    if (a.cross <= 0) return;
    a.am = horizontal ? w : a.cross;
    a.hm = horizontal ? a.cross : w;

    const bool ean = symbologyInfo(typ_)->eanTextLayout;
    height_ = std::max(0, a.cross - (ean ? kEanTextBand : kTextBand));
    // Bars stand on the side opposite the text. Turned by 180 or 270 degrees they move to the
    // far side of the area, and every turn covers the same cells as the upright code.
    if (a.quarter == 2) originY_ = a.cross - 1 - height_;
    if (a.quarter == 3) originX_ = a.cross - 1 - height_;

    DisplayList picture;
    paintBars(picture, pattern, a);
    if (showText) paintHumanText(picture, a);
    picture.replay(canvas, rect.width() / a.am, rect.height() / a.hm, rect.left, rect.top);
}

// Each element is one filled polygon; spaces are painted too. Upright, an element of width e
// at x covers the cells x..x+e-1 and 0..Height (the pixels a one-unit pen would outline around
// the corner cells); short bars are 2/5 of that and stand on the same baseline as the full
// bars, where the PostNet standard puts them. The polygon runs along the outer edges of
// those cells and has no pen, so that a picture stretched to any size keeps every element
// exactly in place and inside the rectangle.
void TfrxBarcode::paintBars(Canvas& picture, std::string_view pattern, const Area& a) const {
    const int hb = height_;
    const int shortHeight = hb * 2 / 5;
    picture.setPen(Pen{clBlack, 1, PenStyle::Clear});
    lumaro::Color current = 0;
    bool brushSet = false;
    int x = 0;
    for (char c : pattern) {
        const barcode::Element el = barcode::elementOf(c);
        const int e = elementWidths_[el.widthIndex];
        const lumaro::Color col = el.kind == barcode::ElementKind::Space ? color_ : colorBar_;
        const int x0 = x, x1 = x + e - 1;
        const int y0 = el.kind == barcode::ElementKind::ShortBar ? hb - shortHeight : 0, y1 = hb;
        x += e;
        // The cells turned inside the bar box (w along, Height + 1 across), then moved by the origin.
        int l, t, r, b;
        switch (a.quarter) {
            case 1: l = y0, r = y1, t = a.w - 1 - x1, b = a.w - 1 - x0; break;
            case 2: l = a.w - 1 - x1, r = a.w - 1 - x0, t = hb - y1, b = hb - y0; break;
            case 3: l = hb - y1, r = hb - y0, t = x0, b = x1; break;
            default: l = x0, r = x1, t = y0, b = y1; break;
        }
        l += originX_, r += originX_, t += originY_, b += originY_;
        if (!brushSet || col != current) {
            picture.setBrush(Brush{col, BrushStyle::Solid});
            current = col;
            brushSet = true;
        }
        const double left = l, top = t, right = r + 1, bottom = b + 1;
        picture.drawPolygon({{left, top}, {left, bottom}, {right, bottom}, {right, top}});
    }
}

// The text in segments, each on a band filled with `Color` that hides the bars behind it.
void TfrxBarcode::paintHumanText(Canvas& picture, const Area& a) const {
    FontSpec font;
    font.name = "Arial";
    font.pixelSize = kFontPixels;
    font.angle = a.quarter * 90;
    font.color = clBlack;
    picture.setFont(font);

    const int w = a.w;
    std::vector<Segment> centred;
    std::span<const Segment> segments;
    for (const TextLayout& l : kTextLayouts)
        if (l.type == typ_) segments = l.segments;
    if (segments.empty()) {
        const int textWidth = static_cast<int>(roundHalfEven(metrics_->textWidth(font, text_)));
        const int t = (w - textWidth) / 2;
        centred.push_back({0, text_.size(), {t}, {0}, {w}});
        segments = centred;
    }

    const double am = a.am, hm = a.hm;
    for (const Segment& s : segments) {
        if (s.first >= text_.size()) continue;
        const std::string part = text_.substr(s.first, s.count);
        if (s.skipZero && part == "0") continue;
        const double t = s.t.at(w), f = s.f.at(w), g = s.g.at(w);
        RectF band;
        PointF at;
        switch (a.quarter) {
            case 1: band = {am - 14, hm - f, am, hm - g - 1}, at = {am - 14, hm - t}; break;
            case 2: band = {am - f, 0, am - g - 1, 16}, at = {am - t, 14}; break;
            case 3: band = {0, f, 14, g + 1}, at = {14, t}; break;
            default: band = {f, hm - 16, g + 1, hm}, at = {t, hm - 14}; break;
        }
        picture.fillRect(band.normalized(), color_);
        picture.drawText(at, part);
    }
}

}  // namespace lumaro
