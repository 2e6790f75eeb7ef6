// A subreport draws as a view with its own name written in its corner.
#include "report/views/draw/draw_tools.h"
#include "report/views/subreport.h"

namespace lumaro {

void TfrxSubreport::Draw(Canvas& canvas, double scaleX, double scaleY, double offsetX, double offsetY) {
    TfrxView::Draw(canvas, scaleX, scaleY, offsetX, offsetY);
    canvas.setFont(draw::fontSpecOf(Font(), scaleY));
    canvas.drawText({x_ + 2.0, y_ + 2.0}, Name());
}

}  // namespace lumaro
