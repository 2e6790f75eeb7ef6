#include "report/views/barcode_view.h"

#include "core/resources.h"
#include "report/model/dataset.h"
#include "report/registry/class_builder.h"

namespace lumaro {

const ClassInfo& TfrxBarCodeView::staticClassInfo() {
    using B = TfrxBarCodeView;
    static const ClassInfo info =
        ClassBuilder<B>("TfrxBarCodeView", &TfrxView::staticClassInfo())
            .creatable()
            .enumeration<&B::BarType, &B::SetBarType>("BarType", kBarcodeTypeType, kDefaultBarType)
            .enumeration<&B::BrushStyle, &B::SetBrushStyle>("BrushStyle", kBrushStyleType, bsSolid)
            .boolean<&B::CalcCheckSum, &B::SetCalcCheckSum>("CalcCheckSum", false)
            .color<&B::Color, &B::SetColor>("Color", clNone)
            .string<&B::DataField, &B::SetDataField>("DataField")
            .reference<&B::DataSet, &B::SetDataSet>("DataSet", &TfrxDataSet::staticClassInfo)
            .string<&B::DataSetName, &B::SetDataSetName>("DataSetName")
            .string<&B::Expression, &B::SetExpression>("Expression")
            .object<LUMARO_MUTABLE_GETTER(TfrxView, Frame, TfrxFrame)>("Frame", &TfrxFrame::staticClassInfo)
            .enumeration<&B::HAlign, &B::SetHAlign>("HAlign", kHAlignType, haLeft)
            .integer<&B::Rotation, &B::SetRotation>("Rotation", 0)
            .boolean<&B::ShowText, &B::SetShowText>("ShowText", true)
            .string<&B::Text, &B::SetText>("Text", kDefaultText)
            .floating<&B::Zoom, &B::SetZoom>("Zoom")
            .build();
    return info;
}

std::string TfrxBarCodeView::DisplayName() const { return frxGet("obBarC"); }

}  // namespace lumaro
