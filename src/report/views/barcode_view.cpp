#include "report/views/barcode_view.h"

#include "barcode/barcode.h"
#include "core/resources.h"
#include "report/model/dataset.h"
#include "report/model/report_host.h"
#include "report/registry/class_builder.h"
#include "report/views/bracket_expansion.h"
#include "report/views/draw_context.h"

namespace lumaro {

const ClassInfo& TfrxBarCodeView::staticClassInfo() {
    using B = TfrxBarCodeView;
    static const ClassInfo info =
        ClassBuilder<B>("TfrxBarCodeView", &TfrxView::staticClassInfo())
            .creatable()
            .enumeration<&B::BarType, &B::SetBarType>("BarType", kBarcodeTypeType, bcCode39)
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

void TfrxBarCodeView::setUpEngine(TfrxBarcode& engine) const {
    engine.SetAngle(rotation_);
    engine.SetChecksum(calcCheckSum_);
    engine.SetTyp(barType_);
    engine.SetColor(Color() == clNone ? clWhite : Color());
    engine.SetText(text_);
    engine.setTextMetrics(hostOf(*this).metrics());
}

TfrxBarCodeView::CodeFit TfrxBarCodeView::fitOf(TfrxBarcode& engine) const {
    // The code's width first: a text the symbology rejects raises here.
    const double codeWidth = engine.Width();
    CodeFit fit{zoom_ >= kMinZoom ? zoom_ : 1.0, Left(), Width(), Height()};
    if (rotation_ == 0 || rotation_ == 180) fit.width = codeWidth * fit.zoom;
    else fit.height = codeWidth * fit.zoom;
    if (hAlign_ == haRight) fit.left += Width() - fit.width;
    else if (hAlign_ == haCenter) fit.left += (Width() - fit.width) / 2;
    return fit;
}

TfrxBarCodeView::CodeFit TfrxBarCodeView::fitOf() const {
    TfrxBarcode engine;
    setUpEngine(engine);
    return fitOf(engine);
}

void TfrxBarCodeView::fitToCode() {
    const CodeFit fit = fitOf();
    zoom_ = fit.zoom;
    SetBounds(fit.left, Top(), fit.width, fit.height);
}

void TfrxBarCodeView::GetData() {
    TfrxView::GetData();
    if (IsDataField()) {
        text_ = DataSet()->Value(DataField()).toString();
    } else if (!expression_.empty()) {
        if (const std::optional<Variant> value = calcViewExpression(*this, expression_)) text_ = value->toString();
    }
    fitToCode();
}

void TfrxBarCodeView::Draw(const DrawContext& context) const {
    TfrxBarcode engine;
    setUpEngine(engine);
    const CodeFit fit = fitOf(engine);
    const RectF bounds = RectF::fromXYWH(AbsLeftFor(fit.left), AbsTop(), fit.width, fit.height);
    const DrawBox box = BeginDraw(context, bounds);
    DrawBackground(context, box);
    engine.PaintTo(context.canvas, box.rect(), showText_);
    DrawFrame(context, box);
}

}  // namespace lumaro
