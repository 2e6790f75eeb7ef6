// Lines: a line that is not diagonal becomes vertical or horizontal and is drawn as a frame
// side; a diagonal line is a thick stroke from corner to corner.
#include "report/views/draw/draw_tools.h"
#include "report/views/draw/thick_stroke.h"
#include "report/views/line_view.h"

namespace lumaro {

void TfrxCustomLineView::Draw(Canvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY) {
    if (!diagonal_) {
        if (Width() <= Height()) {
            SetWidth(0);
            Frame().SetTyp(1 << ftLeft);
        } else {
            SetHeight(0);
            Frame().SetTyp(1 << ftTop);
        }
        TfrxView::Draw(canvas, scaleX, scaleY, offsetX, offsetY);
        return;
    }
    BeginDraw(canvas, scaleX, scaleY, offsetX, offsetY);
    const TfrxFrame& frame = Frame();
    if (frame.Color() == clNone || frame.Width() == 0) return;
    canvas.setPen(Pen{frame.Color(), 1, draw::penStyleOf(frame.Style())});
    draw::drawThickStroke(canvas, {double(x_), double(y_)}, {double(x1_), double(y1_)}, frameWidth_);
}

}  // namespace lumaro
