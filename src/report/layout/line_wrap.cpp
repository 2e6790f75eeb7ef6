// Wrapping source lines into output lines, measured in 600ths of an inch.
//
// Rounding: the measuring metrics give each code point a fractional advance at the font's em
// height in measuring units. As the platform's partial extents do, a character's width is a
// whole number of units: the cumulative advance is rounded at each character and a character
// is as wide as the difference of its extent and the one before. So a line's width stays
// within half a unit of the exact sum, and the result does not depend on any device.
#include <numeric>

#include "core/text.h"
#include "gfx/font_metrics.h"
#include "report/layout/draw_text.h"
#include "report/layout/hyphenation.h"
#include "report/layout/layout_numbers.h"

namespace lumaro {

using layout::nearest;

namespace {

bool isBreakBlank(char32_t c) { return c == U' '; }

// A Small character (a subscript or superscript) is measured at the text's size and counts
// two thirds of that.
int64_t charWidth(int64_t extent, int64_t charSpacing, bool small) {
    const int64_t w = extent + charSpacing;
    return small ? nearest(static_cast<double>(w) / 1.5) : w;
}

}  // namespace

void TfrxDrawText::SetText(const std::vector<std::string>& lines) {
    text_.clear();
    lines_.clear();
    if (lines.empty()) return;
    tagState_.Init(measuringFont_.color, fontSize_, measuringFont_.style);
    tagState_.AllowTags = htmlTags_;
    const bool across = (rotation_ >= 90 && rotation_ < 180) || rotation_ >= 270;
    const double width = across ? unscaled_.bottom - unscaled_.top : unscaled_.right - unscaled_.left;
    const double unitsPerPixel = double(kMeasureResolution) / kScreenResolution;
    const int64_t fullWidth = nearest(unitsPerPixel * width);
    const int64_t charSpacing = nearest(unitsPerPixel * charSpacing_);
    const int64_t firstWidth = nearest((width - paragraphGap_) * unitsPerPixel);
    for (const std::string& line : lines) {
        std::u32string source = toU32(line);
        if (source.empty()) source = U" ";  // a blank line keeps its height
        text_ += source;
        text_ += U"\r\n";
        wrapLine(source, fullWidth, firstWidth, charSpacing);
    }
}

std::vector<int64_t> TfrxDrawText::measureChars(std::u32string_view chars, const TfrxHTMLTags& tags,
                                                int64_t charSpacing) const {
    std::vector<int64_t> widths(chars.size());
    const FontMetrics& metrics = fontMetrics();
    FontSpec font = measuringFont_;
    std::shared_ptr<const CachedFace> face;
    double x = 0;
    int64_t extent = 0;
    for (size_t k = 0; k < chars.size(); ++k) {
        if (!face || tags[k].Style != font.style) {
            font.style = tags[k].Style;
            face = faces_.get(metrics, font);
        }
        x += face->advance(chars[k]);
        const int64_t next = nearest(x);
        widths[k] = charWidth(next - extent, charSpacing, tags[k].Small);
        extent = next;
    }
    return widths;
}

int64_t TfrxDrawText::measureAdded(char32_t c, const TfrxHTMLTag& tag, int64_t charSpacing) const {
    FontSpec font = measuringFont_;
    font.style = tag.Style;
    return charWidth(nearest(faces_.get(fontMetrics(), font)->advance(c)), charSpacing, tag.Small);
}

void TfrxDrawText::addLine(std::u32string_view chars, const TfrxHTMLTags& tags, const std::vector<int64_t>& widths,
                           size_t from, size_t to, bool hyphen, int64_t charSpacing, int endPosition) {
    LayoutLine line;
    line.chars.assign(chars.substr(from, to - from));
    line.tags.assign(tags.begin() + static_cast<std::ptrdiff_t>(from), tags.begin() + static_cast<std::ptrdiff_t>(to));
    line.width600 = std::accumulate(widths.begin() + static_cast<std::ptrdiff_t>(from),
                                    widths.begin() + static_cast<std::ptrdiff_t>(to), int64_t{0});
    line.startPosition = from < chars.size() ? tags[from].Position : endPosition;
    if (hyphen && to > from) {
        const TfrxHTMLTag tag = tags[to - 1];
        line.chars.push_back(U'-');
        line.tags.push_back(tag);
        line.width600 += measureAdded(U'-', tag, charSpacing);
    }
    lines_.push_back(std::move(line));
}

void TfrxDrawText::wrapLine(std::u32string_view source, int64_t fullWidth, int64_t firstWidth, int64_t charSpacing) {
    const size_t firstLine = lines_.size();
    TfrxHTMLTags tags;
    const std::u32string chars = tagState_.ExpandHTMLTags(source, tags);
    const int endPosition = tagState_.Position - 2;  // where the line's CR LF stands
    const std::vector<int64_t> widths = measureChars(chars, tags, charSpacing);
    const size_t n = chars.size();
    const auto add = [&](size_t from, size_t to, bool hyphen = false) {
        addLine(chars, tags, widths, from, to, hyphen, charSpacing, endPosition);
    };

    const int64_t total = std::accumulate(widths.begin(), widths.end(), int64_t{0});
    if (!wordWrap_ || n <= 1 || total < firstWidth) {
        add(0, n);
    } else {
        constexpr size_t kNone = static_cast<size_t>(-1);
        size_t start = 0;  // of the line being filled
        size_t blank = kNone;
        int64_t used = 0;
        for (size_t i = 0; i < n;) {
            if (isBreakBlank(chars[i])) blank = i;
            used += widths[i];
            const int64_t available = lines_.size() == firstLine ? firstWidth : fullWidth;
            if (used <= available) {
                ++i;
                continue;
            }
            // Character i does not fit on the line that begins at `start`. Every case below
            // starts the next line after `start`, so the loop always ends.
            size_t next;
            if (i == start) {
                if (!isBreakBlank(chars[i])) add(i, i + 1);  // wider than the line on its own
                next = i + 1;                                  // a blank that does not fit is dropped
            } else if (blank != kNone && blank > start) {
                const size_t prefix = wordBreak_ ? hyphenatedPrefix(chars, blank + 1, i) : 0;
                if (prefix) {
                    add(start, blank + 1 + prefix, true);
                    next = blank + 1 + prefix;
                } else {
                    add(start, blank);  // the blank itself is dropped
                    next = blank + 1;
                }
            } else {
                const size_t prefix = wordBreak_ ? hyphenatedPrefix(chars, start, i) : 0;
                if (prefix) {
                    add(start, start + prefix, true);
                    next = start + prefix;
                } else {
                    add(start, i);  // a word longer than the line is broken hard
                    next = i;
                }
            }
            start = i = next;
            blank = kNone;
            used = 0;
        }
        if (start < n || lines_.size() == firstLine) add(start, n);
    }
    lines_[firstLine].flags |= LayoutLine::kFirst;
    lines_.back().flags |= LayoutLine::kLast;
}

}  // namespace lumaro
