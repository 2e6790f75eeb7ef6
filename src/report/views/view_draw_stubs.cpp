// Drawing of the report objects. The bodies are empty until the drawing rules are built; this
// file is replaced as a whole by the drawing implementation.
#include "report/model/report_component.h"
#include "report/views/barcode_view.h"
#include "report/views/line_view.h"
#include "report/views/memo_view.h"
#include "report/views/picture_view.h"
#include "report/views/shape_view.h"
#include "report/views/subreport.h"
#include "report/views/view.h"

namespace lumaro {

void TfrxReportComponent::Draw(Canvas&, double, double, double, double) {}

void TfrxView::Draw(Canvas&, double, double, double, double) {}
void TfrxView::BeginDraw(Canvas&, double, double, double, double) {}
void TfrxView::DrawBackground(Canvas&) {}
void TfrxView::DrawFrame(Canvas&) {}

void TfrxShapeView::Draw(Canvas&, double, double, double, double) {}
void TfrxCustomLineView::Draw(Canvas&, double, double, double, double) {}
void TfrxPictureView::Draw(Canvas&, double, double, double, double) {}
void TfrxSubreport::Draw(Canvas&, double, double, double, double) {}
void TfrxCustomMemoView::Draw(Canvas&, double, double, double, double) {}
void TfrxBarCodeView::Draw(Canvas&, double, double, double, double) {}

}  // namespace lumaro
