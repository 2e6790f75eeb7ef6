// Lines: a line that is not diagonal is drawn vertical or horizontal, as a frame side; a
// diagonal line is a thick stroke from corner to corner.
#include "report/views/draw/draw_tools.h"
#include "report/views/draw/thick_stroke.h"
#include "report/views/draw_context.h"
#include "report/views/line_view.h"

namespace lumaro {

bool TfrxCustomLineView::drawnVertical() const { return Width() <= Height(); }

int TfrxCustomLineView::drawnSides() const { return 1 << (drawnVertical() ? ftLeft : ftTop); }

void TfrxCustomLineView::normalize() {
    if (diagonal_) return;
    const int sides = drawnSides();
    if (drawnVertical()) SetWidth(0);
    else SetHeight(0);
    Frame().SetTyp(sides);
}

void TfrxCustomLineView::Draw(const DrawContext& context) const {
    if (!diagonal_) {
        // Drawn as normalize() would leave it, without changing the object.
        RectF bounds = AbsBounds();
        if (drawnVertical()) bounds.right = bounds.left;
        else bounds.bottom = bounds.top;
        const DrawBox box = BeginDraw(context, bounds);
        DrawBackground(context, box);
        DrawFrame(context, box, drawnSides());
        return;
    }
    const DrawBox box = BeginDraw(context);
    const TfrxFrame& frame = Frame();
    if (frame.Color() == clNone || frame.Width() == 0) return;
    context.canvas.setPen(Pen{frame.Color(), 1, draw::penStyleOf(frame.Style())});
    draw::drawThickStroke(context.canvas, {double(box.x), double(box.y)}, {double(box.x1), double(box.y1)},
                          box.frameWidth);
}

}  // namespace lumaro
