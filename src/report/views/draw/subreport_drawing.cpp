// A subreport draws as a view with its own name written in its corner.
#include "report/views/draw/draw_tools.h"
#include "report/views/draw_context.h"
#include "report/views/subreport.h"

namespace lumaro {

void TfrxSubreport::Draw(const DrawContext& context) const {
    const DrawBox box = BeginDraw(context);
    DrawBackground(context, box);
    DrawFrame(context, box);
    context.canvas.setFont(draw::fontSpecOf(Font(), context.scaleY));
    context.canvas.drawText({box.x + 2.0, box.y + 2.0}, Name());
}

}  // namespace lumaro
