// The drawing steps every view shares: the device rectangle, the background, and the frame
// with its drop shadow.
#include "report/views/draw/draw_tools.h"
#include "report/views/draw_context.h"
#include "report/views/draw/thick_stroke.h"
#include "report/views/view.h"

namespace lumaro {

using draw::drawThickStroke;
using draw::whole;

namespace {

struct SideRule {
    TfrxFrameType side;
    bool vertical;
    int outward;  // direction away from the box: -1 for left and top, +1 for right and bottom
    TfrxFrameType atStart, atEnd;  // the neighbouring sides at the line's two ends
};

// Drawing order: left, right, top, bottom.
constexpr SideRule kSides[] = {
    {ftLeft, true, -1, ftTop, ftBottom},
    {ftRight, true, +1, ftTop, ftBottom},
    {ftTop, false, -1, ftLeft, ftRight},
    {ftBottom, false, +1, ftLeft, ftRight},
};

bool has(int typ, TfrxFrameType side) { return (typ & (1 << side)) != 0; }

struct FrameBox {
    double x, y, x1, y1, fw;
    int typ;
};

struct Segment {
    PointF from, to;
};

// The side's line moved `shift` pixels outward (negative: inward), each end lengthened by
// `extend` pixels (negative: shortened) where the neighbouring side there is framed. The bottom
// side runs one pixel further right with a one-pixel pen, to reach the right side's last pixel.
Segment sideLine(const FrameBox& b, const SideRule& s, double shift, double extend) {
    double pos = s.vertical ? (s.outward < 0 ? b.x : b.x1) : (s.outward < 0 ? b.y : b.y1);
    double from = s.vertical ? b.y : b.x;
    double to = s.vertical ? b.y1 : b.x1;
    if (s.side == ftBottom && b.fw == 1) to += 1;
    pos += s.outward * shift;
    if (has(b.typ, s.atStart)) from -= extend;
    if (has(b.typ, s.atEnd)) to += extend;
    if (s.vertical) return {{pos, from}, {pos, to}};
    return {{from, pos}, {to, pos}};
}

void drawLine(Canvas& canvas, const Segment& s) { canvas.drawLine(s.from, s.to); }

}  // namespace

void TfrxReportComponent::Draw(const DrawContext&) const {}

void TfrxView::Draw(const DrawContext& context) const {
    const DrawBox box = BeginDraw(context);
    DrawBackground(context, box);
    DrawFrame(context, box);
}

RectF TfrxView::AbsBounds() const { return RectF::fromXYWH(AbsLeft(), AbsTop(), Width(), Height()); }

DrawBox TfrxView::BeginDraw(const DrawContext& context) const { return BeginDraw(context, AbsBounds()); }

DrawBox TfrxView::BeginDraw(const DrawContext& context, const RectF& bounds) const {
    const double sx = context.scaleX, sy = context.scaleY;
    DrawBox b;
    b.x = whole(context.offsetX + sx * bounds.left);
    b.y = whole(context.offsetY + sy * bounds.top);
    b.x1 = whole(context.offsetX + sx * bounds.right);
    b.y1 = whole(context.offsetY + sy * bounds.bottom);
    if (frame_.DropShadow()) {
        b.x1 -= whole(sx * frame_.ShadowWidth());
        b.y1 -= whole(sy * frame_.ShadowWidth());
    }
    b.dx = b.x1 - b.x;
    b.dy = b.y1 - b.y;
    b.frameWidth = draw::clampDevice(sx * frame_.Width());
    return b;
}

void TfrxView::DrawBackground(const DrawContext& context, const DrawBox& b) const {
    Canvas& canvas = context.canvas;
    if (color_ != clNone) canvas.fillRect(b.rect(), color_);
    // A clear brush has no hatch to draw.
    if (draw::isHatch(brushStyle_)) {
        canvas.setBrush(Brush{frame_.Color(), draw::brushStyleOf(brushStyle_)});
        canvas.setPen(Pen{color_ == clNone ? clWhite : color_, 1, PenStyle::Solid});
        canvas.drawRect(RectF{double(b.x), double(b.y), b.x1 + 1.0, b.y1 + 1.0});
    }
}

void TfrxView::DrawFrame(const DrawContext& context, const DrawBox& b) const { DrawFrame(context, b, frame_.Typ()); }

void TfrxView::DrawFrame(const DrawContext& context, const DrawBox& b, int typ) const {
    Canvas& canvas = context.canvas;
    if (frame_.DropShadow() && frame_.ShadowColor() != clNone) {
        const double s = draw::clampDevice(context.scaleX * frame_.ShadowWidth());
        const double s2 = draw::clampDevice(context.scaleY * frame_.ShadowWidth());
        canvas.setPen(Pen{frame_.ShadowColor(), 1, PenStyle::Solid});
        drawThickStroke(canvas, {b.x1 + s / 2, b.y + s}, {b.x1 + s / 2, double(b.y1)}, s);
        drawThickStroke(canvas, {b.x + s2, b.y1 + s2 / 2}, {b.x1 + s2, b.y1 + s2 / 2}, s2);
    }

    const double fw = b.frameWidth;
    if (typ == 0 || frame_.Color() == clNone || fw == 0) return;

    const TfrxFrameStyle style = frame_.Style();
    const bool dashed = style != fsSolid && style != fsDouble;
    const FrameBox box{double(b.x), double(b.y), double(b.x1), double(b.y1), fw, typ};
    // A solid or double side is one line of the wide pen, a dashed or dotted one parallel
    // one-pixel lines.
    auto drawBody = [&](const Segment& s) {
        if (dashed) drawThickStroke(canvas, s.from, s.to, fw);
        else drawLine(canvas, s);
    };

    // The gaps of a dashed side and the middle of a double side are painted in the background
    // colour first.
    if (style != fsSolid && color_ != clNone) {
        canvas.setPen(Pen{color_, dashed ? 1 : fw, PenStyle::Solid});
        for (const SideRule& s : kSides)
            if (has(typ, s.side)) drawBody(sideLine(box, s, 0, 0));
    }

    canvas.setPen(Pen{frame_.Color(), dashed ? 1 : fw, draw::penStyleOf(style)});
    for (const SideRule& s : kSides) {
        if (!has(typ, s.side)) continue;
        if (style == fsDouble) {
            drawLine(canvas, sideLine(box, s, fw, fw));
            drawLine(canvas, sideLine(box, s, -fw, -fw));
        } else {
            drawBody(sideLine(box, s, 0, 0));
        }
    }
}

}  // namespace lumaro
