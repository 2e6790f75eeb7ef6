// The drawing steps every view shares: the device rectangle, the background, and the frame
// with its drop shadow.
#include "report/views/draw/draw_tools.h"
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

void TfrxReportComponent::Draw(Canvas&, double, double, double, double) {}

void TfrxView::Draw(Canvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY) {
    BeginDraw(canvas, scaleX, scaleY, offsetX, offsetY);
    DrawBackground(canvas);
    DrawFrame(canvas);
}

void TfrxView::BeginDraw(Canvas&, double scaleX, double scaleY, double offsetX, double offsetY) {
    scaleX_ = scaleX;
    scaleY_ = scaleY;
    offsetX_ = offsetX;
    offsetY_ = offsetY;
    const double left = AbsLeft(), top = AbsTop();
    x_ = whole(offsetX + scaleX * left);
    y_ = whole(offsetY + scaleY * top);
    x1_ = whole(offsetX + scaleX * (left + Width()));
    y1_ = whole(offsetY + scaleY * (top + Height()));
    if (frame_.DropShadow()) {
        x1_ -= whole(scaleX * frame_.ShadowWidth());
        y1_ -= whole(scaleY * frame_.ShadowWidth());
    }
    dx_ = x1_ - x_;
    dy_ = y1_ - y_;
    frameWidth_ = draw::clampDevice(scaleX * frame_.Width());
}

void TfrxView::DrawBackground(Canvas& canvas) {
    if (color_ != clNone) canvas.fillRect(RectF{double(x_), double(y_), double(x1_), double(y1_)}, color_);
    // A clear brush has no hatch to draw.
    if (draw::isHatch(brushStyle_)) {
        canvas.setBrush(Brush{frame_.Color(), draw::brushStyleOf(brushStyle_)});
        canvas.setPen(Pen{color_ == clNone ? clWhite : color_, 1, PenStyle::Solid});
        canvas.drawRect(RectF{double(x_), double(y_), x1_ + 1.0, y1_ + 1.0});
    }
}

void TfrxView::DrawFrame(Canvas& canvas) {
    if (frame_.DropShadow() && frame_.ShadowColor() != clNone) {
        const double s = draw::clampDevice(scaleX_ * frame_.ShadowWidth());
        const double s2 = draw::clampDevice(scaleY_ * frame_.ShadowWidth());
        canvas.setPen(Pen{frame_.ShadowColor(), 1, PenStyle::Solid});
        drawThickStroke(canvas, {x1_ + s / 2, y_ + s}, {x1_ + s / 2, double(y1_)}, s);
        drawThickStroke(canvas, {x_ + s2, y1_ + s2 / 2}, {x1_ + s2, y1_ + s2 / 2}, s2);
    }

    const int typ = frame_.Typ();
    const double fw = frameWidth_;
    if (typ == 0 || frame_.Color() == clNone || fw == 0) return;

    const TfrxFrameStyle style = frame_.Style();
    const bool dashed = style != fsSolid && style != fsDouble;
    const FrameBox box{double(x_), double(y_), double(x1_), double(y1_), fw, typ};
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
