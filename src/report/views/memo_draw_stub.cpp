// Drawing of the text objects: empty until their drawing is built, in its own file that then
// replaces this one.
#include "report/views/memo_view.h"

namespace lumaro {

void TfrxCustomMemoView::Draw(const DrawContext&) const {}

}  // namespace lumaro
