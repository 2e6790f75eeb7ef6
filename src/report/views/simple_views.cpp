// Property tables of the shape, line, picture and subreport objects.
#include "core/resources.h"
#include "report/model/report_page.h"
#include "report/model/dataset.h"
#include "report/registry/class_builder.h"
#include "report/views/line_view.h"
#include "report/views/picture_view.h"
#include "report/views/shape_view.h"
#include "report/views/subreport.h"

namespace lumaro {

const ClassInfo& TfrxShapeView::staticClassInfo() {
    using V = TfrxShapeView;
    static const ClassInfo info =
        ClassBuilder<V>("TfrxShapeView", &TfrxView::staticClassInfo())
            .creatable()
            .enumeration<&V::BrushStyle, &V::SetBrushStyle>("BrushStyle", kBrushStyleType, bsSolid)
            .color<&V::Color, &V::SetColor>("Color", clNone)
            .object<LUMARO_MUTABLE_GETTER(TfrxView, Frame, TfrxFrame)>("Frame", &TfrxFrame::staticClassInfo)
            .enumeration<&V::Shape, &V::SetShape>("Shape", kShapeKindType, skRectangle)
            .build();
    return info;
}

const ClassInfo& TfrxCustomLineView::staticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<TfrxCustomLineView>("TfrxCustomLineView", &TfrxStretcheable::staticClassInfo())
            .creatable()
            .build();
    return info;
}

std::string TfrxCustomLineView::DisplayName() const { return frxGet("obLine"); }

const ClassInfo& TfrxLineView::staticClassInfo() {
    using V = TfrxLineView;
    static const ClassInfo info =
        ClassBuilder<V>("TfrxLineView", &TfrxCustomLineView::staticClassInfo())
            .creatable()
            .enumeration<&V::StretchMode, &V::SetStretchMode>("StretchMode", kStretchModeType, smDontStretch)
            .object<LUMARO_MUTABLE_GETTER(TfrxView, Frame, TfrxFrame)>("Frame", &TfrxFrame::staticClassInfo)
            .boolean<&V::Diagonal, &V::SetDiagonal>("Diagonal", false)
            .build();
    return info;
}

const ClassInfo& TfrxPictureView::staticClassInfo() {
    using V = TfrxPictureView;
    static const ClassInfo info =
        ClassBuilder<V>("TfrxPictureView", &TfrxView::staticClassInfo())
            .creatable()
            .boolean<&V::AutoSize, &V::SetAutoSize>("AutoSize", false)
            .boolean<&V::Center, &V::SetCenter>("Center", false)
            .string<&V::DataField, &V::SetDataField>("DataField")
            .reference<&V::DataSet, &V::SetDataSet>("DataSet", &TfrxDataSet::staticClassInfo)
            .string<&V::DataSetName, &V::SetDataSetName>("DataSetName")
            .object<LUMARO_MUTABLE_GETTER(TfrxView, Frame, TfrxFrame)>("Frame", &TfrxFrame::staticClassInfo)
            .boolean<&V::KeepAspectRatio, &V::SetKeepAspectRatio>("KeepAspectRatio", true)
            .object<LUMARO_MUTABLE_GETTER(V, Picture, TfrxPicture)>("Picture", &TfrxPicture::staticClassInfo)
            .boolean<&V::Stretched, &V::SetStretched>("Stretched", true)
            .build();
    return info;
}

TfrxPictureView::TfrxPictureView() {
    SetColor(clWhite);
    picture_.setOnChange([this] { applyAutoSize(); });
}

std::string TfrxPictureView::DisplayName() const { return frxGet("obPicture"); }

const ClassInfo& TfrxSubreport::staticClassInfo() {
    using V = TfrxSubreport;
    static const ClassInfo info =
        ClassBuilder<V>("TfrxSubreport", &TfrxView::staticClassInfo())
            .creatable()
            .reference<&V::Page, &V::SetPage>("Page", &TfrxReportPage::staticClassInfo)
            .boolean<&V::PrintOnParent, &V::SetPrintOnParent>("PrintOnParent", false)
            .build();
    return info;
}

TfrxSubreport::TfrxSubreport() {
    Frame().SetTyp(TfrxFrame::kAllSides);
    Font().SetName("Tahoma");
    Font().SetSize(8);
    SetColor(clSilver);
}

TfrxSubreport::~TfrxSubreport() { SetPage(nullptr); }

TfrxReportPage* TfrxSubreport::Page() const { return page_.get(); }

void TfrxSubreport::SetPage(TfrxReportPage* page) {
    if (TfrxReportPage* old = page_.get(); old && old->Subreport() == this) old->SetSubreport(nullptr);
    page_ = page;
    if (page) page->SetSubreport(this);
}

std::string TfrxSubreport::DisplayName() const { return frxGet("obSubRep"); }

}  // namespace lumaro
