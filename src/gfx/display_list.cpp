#include "gfx/display_list.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lumaro {

void DisplayList::setPen(const Pen& pen) { commands_.emplace_back(dl::SetPen{pen}); }
void DisplayList::setBrush(const Brush& brush) { commands_.emplace_back(dl::SetBrush{brush}); }
void DisplayList::setFont(const FontSpec& font) { commands_.emplace_back(dl::SetFont{font}); }
void DisplayList::drawLine(PointF from, PointF to) { commands_.emplace_back(dl::Line{from, to}); }
void DisplayList::drawRect(const RectF& r) { commands_.emplace_back(dl::Rect{r}); }
void DisplayList::drawEllipse(const RectF& r) { commands_.emplace_back(dl::Ellipse{r}); }
void DisplayList::drawRoundRect(const RectF& r, double cw, double ch) {
    commands_.emplace_back(dl::RoundRect{r, cw, ch});
}
void DisplayList::drawPolygon(const std::vector<PointF>& points) { commands_.emplace_back(dl::Polygon{points}); }
void DisplayList::drawPolyline(const std::vector<PointF>& points) { commands_.emplace_back(dl::Polyline{points}); }
void DisplayList::fillRect(const RectF& r, Color color) { commands_.emplace_back(dl::FillRect{r, color}); }
void DisplayList::drawText(PointF origin, std::string_view text, const std::vector<double>* advances) {
    commands_.emplace_back(dl::Text{origin, std::string(text), advances ? *advances : std::vector<double>{},
                                    advances != nullptr});
}
void DisplayList::drawImage(const RectF& target, const Image& image) {
    commands_.emplace_back(dl::DrawImage{target, std::make_shared<const Image>(image)});
}
void DisplayList::setClipRect(const RectF& r) { commands_.emplace_back(dl::SetClip{r}); }
void DisplayList::resetClip() { commands_.emplace_back(dl::ResetClip{}); }

namespace {
struct Replayer {
    Canvas& t;
    double sx, sy, dx, dy;

    PointF p(PointF q) const { return {q.x * sx + dx, q.y * sy + dy}; }
    RectF r(const RectF& q) const { return {q.left * sx + dx, q.top * sy + dy, q.right * sx + dx, q.bottom * sy + dy}; }
    std::vector<PointF> pts(const std::vector<PointF>& v) const {
        std::vector<PointF> out;
        out.reserve(v.size());
        for (auto q : v) out.push_back(p(q));
        return out;
    }

    void operator()(const dl::SetPen& c) const {
        Pen pen = c.pen;
        pen.width *= std::sqrt(std::fabs(sx * sy));
        t.setPen(pen);
    }
    void operator()(const dl::SetBrush& c) const { t.setBrush(c.brush); }
    void operator()(const dl::SetFont& c) const {
        FontSpec f = c.font;
        f.pixelSize *= std::fabs(sy);
        t.setFont(f);
    }
    void operator()(const dl::Line& c) const { t.drawLine(p(c.from), p(c.to)); }
    void operator()(const dl::Rect& c) const { t.drawRect(r(c.r)); }
    void operator()(const dl::Ellipse& c) const { t.drawEllipse(r(c.r)); }
    void operator()(const dl::RoundRect& c) const { t.drawRoundRect(r(c.r), c.cornerWidth * sx, c.cornerHeight * sy); }
    void operator()(const dl::Polygon& c) const { t.drawPolygon(pts(c.points)); }
    void operator()(const dl::Polyline& c) const { t.drawPolyline(pts(c.points)); }
    void operator()(const dl::FillRect& c) const { t.fillRect(r(c.r), c.color); }
    void operator()(const dl::Text& c) const {
        if (!c.hasAdvances) {
            t.drawText(p(c.origin), c.text, nullptr);
            return;
        }
        std::vector<double> adv = c.advances;
        for (double& a : adv) a *= sx;
        t.drawText(p(c.origin), c.text, &adv);
    }
    void operator()(const dl::DrawImage& c) const { t.drawImage(r(c.target), *c.image); }
    void operator()(const dl::SetClip& c) const { t.setClipRect(r(c.r)); }
    void operator()(const dl::ResetClip&) const { t.resetClip(); }
};
}  // namespace

void DisplayList::replay(Canvas& target, double scaleX, double scaleY, double offsetX, double offsetY) const {
    const Replayer rp{target, scaleX, scaleY, offsetX, offsetY};
    for (const auto& c : commands_) std::visit(rp, c);
}

std::vector<TextRun> DisplayList::textRuns() const {
    std::vector<TextRun> runs;
    FontSpec font;
    for (const auto& c : commands_) {
        if (const auto* f = std::get_if<dl::SetFont>(&c))
            font = f->font;
        else if (const auto* t = std::get_if<dl::Text>(&c))
            runs.push_back(TextRun{t->origin, t->text, font, t->advances});
    }
    return runs;
}

RectF DisplayList::bounds() const {
    const double inf = std::numeric_limits<double>::infinity();
    RectF b{inf, inf, -inf, -inf};
    auto add = [&](PointF q) {
        b.left = std::min(b.left, q.x);
        b.top = std::min(b.top, q.y);
        b.right = std::max(b.right, q.x);
        b.bottom = std::max(b.bottom, q.y);
    };
    auto addRect = [&](const RectF& r) {
        add({r.left, r.top});
        add({r.right, r.bottom});
    };
    for (const auto& c : commands_) {
        std::visit(
            [&](const auto& cmd) {
                using T = std::decay_t<decltype(cmd)>;
                if constexpr (std::is_same_v<T, dl::Line>) {
                    add(cmd.from);
                    add(cmd.to);
                } else if constexpr (std::is_same_v<T, dl::Rect> || std::is_same_v<T, dl::Ellipse> ||
                                     std::is_same_v<T, dl::RoundRect> || std::is_same_v<T, dl::FillRect>) {
                    addRect(cmd.r);
                } else if constexpr (std::is_same_v<T, dl::Polygon> || std::is_same_v<T, dl::Polyline>) {
                    for (auto q : cmd.points) add(q);
                } else if constexpr (std::is_same_v<T, dl::Text>) {
                    add(cmd.origin);
                } else if constexpr (std::is_same_v<T, dl::DrawImage>) {
                    addRect(cmd.target);
                }
            },
            c);
    }
    if (b.left > b.right) return {};
    return b;
}

}  // namespace lumaro
