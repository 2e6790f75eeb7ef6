#include "report/layout/draw_text.h"

#include <algorithm>

#include "core/text.h"
#include "gfx/builtin_font_metrics.h"
#include "report/layout/layout_numbers.h"
#include "report/model/font.h"
#include "report/model/report_host.h"

namespace lumaro {

using layout::bounded;
using layout::nearest;

namespace {
constexpr double kUnitsPerPixel = double(TfrxDrawText::kMeasureResolution) / TfrxDrawText::kScreenResolution;

RectF boundedRect(const RectF& r) {
    const double m = layout::kMaxCoordinate;
    return {bounded(r.left, -m, m, 0), bounded(r.top, -m, m, 0), bounded(r.right, -m, m, 0),
            bounded(r.bottom, -m, m, 0)};
}

std::string hex2(int v) {
    static const char digits[] = "0123456789ABCDEF";
    return {digits[(v >> 4) & 15], digits[v & 15]};
}
}  // namespace

std::string LayoutLine::text() const { return fromU32(chars); }

TfrxDrawText::TfrxDrawText() { SetFont(TfrxFont()); }

TfrxDrawText::~TfrxDrawText() = default;

void TfrxDrawText::setFontMetrics(std::shared_ptr<const FontMetrics> metrics) {
    metrics_ = std::move(metrics);
    faces_.clear();
}

const FontMetrics& TfrxDrawText::fontMetrics() const { return metrics_ ? *metrics_ : processHost().metrics(); }

void TfrxDrawText::setHost(const ReportHost& host) {
    // A host without metrics measures with the built-in ones (held without owning them).
    setFontMetrics(host.fontMetrics ? host.fontMetrics
                                    : std::shared_ptr<const FontMetrics>(&builtinFontMetrics(), [](const FontMetrics*) {}));
    setMessageProcessing(host.processMessages);
}

void TfrxDrawText::SetFont(const TfrxFont& font) {
    fontSize_ = std::clamp(font.Size(), 1, layout::kMaxFontSize);
    FontSpec measuring;
    measuring.name = font.Name();
    measuring.pixelSize = static_cast<double>(nearest(fontSize_ * double(kMeasureResolution) / 72));
    measuring.style = font.Style();
    measuring.charset = font.Charset();
    measuring.color = font.Color();
    if (!(measuring == measuringFont_)) measuringFont_ = std::move(measuring);
}

void TfrxDrawText::SetOptions(bool wordWrap, bool htmlTags, int rotation, bool clipped, bool wordBreak,
                              bool rtlReading) {
    wordWrap_ = wordWrap;
    htmlTags_ = htmlTags;
    rotation_ = ((rotation % 360) + 360) % 360;
    clipped_ = clipped;
    wordBreak_ = wordBreak;
    rtl_ = rtlReading;
}

void TfrxDrawText::SetGaps(double lineSpacing, double charSpacing, double paragraphGap) {
    const double m = layout::kMaxGap;
    lineSpacing_ = bounded(lineSpacing, -m, m, 0);
    charSpacing_ = bounded(charSpacing, -m, m, 0);
    paragraphGap_ = bounded(paragraphGap, -m, m, 0);
}

void TfrxDrawText::SetDimensions(const RectF& unscaledRect, const RectF& scaledRect, double scaleY,
                                 double scaleX) {
    unscaled_ = boundedRect(unscaledRect);
    scaled_ = boundedRect(scaledRect);
    scaleY_ = bounded(scaleY, layout::kMinScale, layout::kMaxScale, 1);
    scaleX_ = bounded(scaleX, layout::kMinScale, layout::kMaxScale, 1);
}

double TfrxDrawText::LineHeight() const {
    return measuringFont_.pixelSize * kScreenResolution / kMeasureResolution + lineSpacing_;
}

double TfrxDrawText::CalcHeight() const { return lines_.empty() ? 0 : LineHeight() * static_cast<double>(lines_.size()); }

double TfrxDrawText::CalcWidth() const {
    // A line that starts a paragraph needs its measured width plus the paragraph gap: exactly
    // what wrapping gives it, so the text laid out again in this width keeps its lines.
    double widest = 0;
    for (const LayoutLine& l : lines_)
        widest = std::max(widest, static_cast<double>(l.width600) / kUnitsPerPixel +
                                      ((l.flags & LayoutLine::kFirst) ? paragraphGap_ : 0));
    return widest;
}

int64_t TfrxDrawText::linesThatFit() const {
    const double h = unscaled_.bottom - unscaled_.top + 1;
    const double lh = LineHeight();
    const auto all = static_cast<int64_t>(lines_.size());
    if (lh <= 0) return h > 0 ? all : 0;  // lines without height all fit
    return std::clamp<int64_t>(static_cast<int64_t>(std::trunc(h / lh)), 0, all);
}

double TfrxDrawText::RemainingHeight() const {
    const double h = unscaled_.bottom - unscaled_.top + 1;
    const double lh = LineHeight();
    if (lh <= 0) return h > 0 ? h : 0;
    const double n = std::trunc(h / lh);
    if (n <= 0) return 0;
    const double rest = h - n * lh;
    return rest == 0 ? 0.0001 : rest;
}

std::string TfrxDrawText::GetOutBoundsText() {
    const auto n = static_cast<size_t>(linesThatFit());
    if (n >= lines_.size()) return {};
    const size_t cut = std::min<size_t>(static_cast<size_t>(std::max(lines_[n].startPosition, 0)), text_.size());
    std::string out = fromU32(std::u32string_view(text_).substr(cut));
    if (htmlTags_) {
        // The state of the first character that moves on, so that it keeps its look there.
        const TfrxHTMLTag* first = nullptr;
        for (size_t k = n; k < lines_.size() && !first; ++k)
            if (!lines_[k].tags.empty()) first = &lines_[k].tags.front();
        if (first) {
            std::string prefix;
            const int style = first->Style;
            if (style & fsBold) prefix += "<b>";
            if (style & fsItalic) prefix += "<i>";
            if (style & fsUnderline) prefix += "<u>";
            if (style & fsStrikeOut) prefix += "<strike>";
            if (first->Small) prefix += first->AddY ? "<sub>" : "<sup>";
            // A colour that is no plain red, green and blue (a system colour, none) has no
            // hexadecimal form; the continuation then keeps its own font's colour.
            const lumaro::Color c = first->Color;
            if (c >= 0 && c <= 0xFFFFFF)
                prefix += "<font color=\"#" + hex2(redOf(c)) + hex2(greenOf(c)) + hex2(blueOf(c)) + "\">";
            out = prefix + out;
        }
    }
    lines_.resize(n);
    text_.resize(cut);
    return out;
}

std::string TfrxDrawText::GetInBoundsText() const { return fromU32(text_); }

TfrxDrawText& frxDrawText() {
    static TfrxDrawText global;
    return global;
}

}  // namespace lumaro
