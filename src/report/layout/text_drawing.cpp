// Drawing the output lines on a canvas. Positions and advances are whole device pixels; each
// line is made exactly as wide as its measured width converted to the device (or, justified,
// as wide as the rectangle), whatever the drawing font's own advances are on that device.
#include <algorithm>
#include <numeric>
#include <optional>

#include "core/text.h"
#include "gfx/canvas.h"
#include "report/layout/draw_text.h"
#include "report/layout/layout_numbers.h"
#include "report/layout/pixel_distribution.h"
#include "report/layout/rotation_geometry.h"

namespace lumaro {

using layout::nearest;

// What stays the same for every line of one DrawText call.
struct TfrxDrawText::LineDrawing {
    Canvas& canvas;
    bool printer;
    double dpiX, dpiY;
    Direction direction;
    std::optional<FontSpec> font;  // the canvas's font, once set

    // Em height of a font of `size` points: from the printer's own resolution on a printer,
    // else from the scale of report pixels.
    int64_t fontHeight(int size, double scaleY) const {
        return printer ? nearest(dpiY * size / 72) : nearest(size * scaleY * kScreenResolution / 72);
    }
    // A measured width in device pixels.
    int64_t deviceWidth(int64_t width600, double scaleX) const {
        return printer ? nearest(static_cast<double>(width600) * dpiX / kMeasureResolution)
                       : nearest(static_cast<double>(width600) * kScreenResolution / kMeasureResolution * scaleX);
    }
};

namespace {
bool isJustifyBlank(char32_t c) { return c == U' ' || c == 0xA0; }
}  // namespace

void TfrxDrawText::DrawText(Canvas& canvas, TfrxHAlign hAlign, TfrxVAlign vAlign) const {
    if (lines_.empty()) return;
    LineDrawing d{canvas, canvas.isPrinter(),
                  layout::bounded(canvas.dpiX(), layout::kMinDpi, layout::kMaxDpi, kScreenResolution),
                  layout::bounded(canvas.dpiY(), layout::kMinDpi, layout::kMaxDpi, kScreenResolution),
                  directionOf(rotation_), std::nullopt};

    // Height of the block: the lines' measured height on this device.
    const auto n = static_cast<int64_t>(lines_.size());
    const double em600 = measuringFont_.pixelSize;
    int64_t blockHeight;
    if (d.printer) {
        const double f = kMeasureResolution / d.dpiY;
        blockHeight = nearest((lineSpacing_ * scaleY_ * f * n + em600 * n) / f);
    } else {
        const double f = double(kMeasureResolution) / kScreenResolution;
        blockHeight = nearest((lineSpacing_ * f * n + em600 * n) / f * scaleY_);
    }
    // Line advances in whole pixels that add up to the block height.
    const int64_t advance = nearest(lineSpacing_ * scaleY_) + d.fontHeight(fontSize_, scaleY_);
    std::vector<int64_t> advances(static_cast<size_t>(n - 1), advance);
    distributePixels(advances, blockHeight - n * advance);

    const BlockPlacement place = placeBlock(rotation_, scaled_, static_cast<double>(blockHeight));
    const double free = place.usableHeight - static_cast<double>(blockHeight);
    const double shift = vAlign == vaBottom ? free : vAlign == vaCenter ? static_cast<double>(nearest(free / 2)) : 0;
    const double x0 = place.x + static_cast<double>(nearest(shift * place.alignX));
    const double y0 = place.y + static_cast<double>(nearest(shift * place.alignY));

    if (clipped_) canvas.setClipRect(scaled_.normalized());
    const int64_t paragraphIndent = nearest(paragraphGap_ * scaleX_);
    int64_t offset = 0;  // across the lines, from the first one
    for (size_t j = 0; j < lines_.size(); ++j) {
        const LayoutLine& line = lines_[j];
        const int64_t indent =
            (line.flags & LayoutLine::kFirst) && (hAlign == haLeft || hAlign == haBlock) ? paragraphIndent : 0;
        TfrxHAlign align = hAlign;
        if (hAlign == haBlock && (line.flags & LayoutLine::kLast)) align = rtl_ ? haRight : haLeft;
        const double x = x0 + static_cast<double>(nearest(offset * d.direction.sin) + nearest(indent * d.direction.cos));
        const double y = y0 + static_cast<double>(nearest(offset * d.direction.cos) - nearest(indent * d.direction.sin));
        drawLine(d, line, x, y, place.lineWidth - static_cast<double>(indent), align);
        if (j + 1 < lines_.size()) offset += advances[j];
    }
    if (clipped_) canvas.resetClip();
}

void TfrxDrawText::drawLine(LineDrawing& d, const LayoutLine& line, double x, double y, double width,
                            TfrxHAlign align) const {
    const size_t n = line.chars.size();
    if (n == 0) return;
    const double cos = d.direction.cos, sin = d.direction.sin;

    // The drawing font's advances on this device, rounded as the measuring ones are.
    const int64_t charSpacing = nearest(charSpacing_ * scaleX_);
    std::vector<int64_t> adv(n);
    {
        const FontMetrics& metrics = fontMetrics();
        FontSpec font = measuringFont_;
        std::shared_ptr<const CachedFace> face;
        int faceSize = 0;
        double pos = 0;
        int64_t extent = 0;
        for (size_t k = 0; k < n; ++k) {
            const TfrxHTMLTag& tag = line.tags[k];
            if (!face || tag.Style != font.style || tag.Size != faceSize) {
                font.style = tag.Style;
                faceSize = tag.Size;
                font.pixelSize = static_cast<double>(d.fontHeight(tag.Size, scaleY_));
                face = faces_.get(metrics, font);
            }
            pos += face->advance(line.chars[k]);
            const int64_t next = nearest(pos);
            adv[k] = next - extent + charSpacing;
            extent = next;
        }
    }
    const int64_t actual = std::accumulate(adv.begin(), adv.end(), int64_t{0});

    const size_t blanks = static_cast<size_t>(std::count_if(line.chars.begin(), line.chars.end(), isJustifyBlank));
    if (align == haBlock && blanks > 0) {
        // Justified: the blanks take up what the characters leave of the width.
        const int64_t extra = nearest(std::fabs(width)) - actual;
        const auto count = static_cast<int64_t>(blanks);
        const int64_t each = extra / count;
        int64_t rest = extra - each * count;
        for (size_t k = 0; k < n; ++k) {
            if (!isJustifyBlank(line.chars[k])) continue;
            adv[k] += each;
            if (rest != 0) adv[k] += rest > 0 ? 1 : -1, rest += rest > 0 ? -1 : 1;
        }
    } else {
        // As wide as measured.
        const int64_t reference = d.deviceWidth(line.width600, scaleX_);
        distributePixels(adv, reference - actual);
        double u = 0;
        if (align == haRight) u = width - static_cast<double>(reference) + 1;
        else if (align == haCenter) u = (width - static_cast<double>(reference)) / 2;
        x += static_cast<double>(nearest(cos * u));
        y -= static_cast<double>(nearest(sin * u));
        // Bold and italic glyphs reach one pixel beyond their advance.
        if (align == haRight && rotation_ == 0 && (line.tags.front().Style & (fsBold | fsItalic))) x -= 1;
    }

    // Runs of characters of one font.
    int64_t along = 0;
    std::vector<double> runAdvances;
    for (size_t k = 0; k < n;) {
        const TfrxHTMLTag& tag = line.tags[k];
        size_t end = k + 1;
        while (end < n && line.tags[end].sameFont(tag)) ++end;
        FontSpec font = measuringFont_;
        font.pixelSize = static_cast<double>(d.fontHeight(tag.Size, scaleY_));
        font.style = tag.Style;
        font.color = tag.Color;
        font.angle = rotation_;
        if (!d.font || !(*d.font == font)) {
            d.canvas.setFont(font);
            d.font = font;
        }
        const int64_t lowered = nearest(tag.AddY * tag.Size * scaleY_);
        const double ox = x + static_cast<double>(along) * cos + static_cast<double>(lowered) * sin;
        const double oy = y - static_cast<double>(along) * sin + static_cast<double>(lowered) * cos;
        runAdvances.assign(adv.begin() + static_cast<std::ptrdiff_t>(k), adv.begin() + static_cast<std::ptrdiff_t>(end));
        d.canvas.drawText({static_cast<double>(nearest(ox)), static_cast<double>(nearest(oy))},
                          fromU32(std::u32string_view(line.chars).substr(k, end - k)), &runAdvances);
        along = std::accumulate(runAdvances.begin(), runAdvances.end(), along, [](int64_t a, double b) {
            return a + static_cast<int64_t>(b);
        });
        k = end;
    }
}

}  // namespace lumaro
