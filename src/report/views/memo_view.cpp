#include "report/views/memo_view.h"

#include "core/resources.h"
#include "core/text.h"
#include "report/model/report.h"
#include "report/model/styles.h"
#include "report/model/dataset.h"
#include "report/registry/class_builder.h"

namespace lumaro {

bool isHighlightStored(const TfrxPersistent& memo) {
    return !trim(static_cast<const TfrxCustomMemoView&>(memo).Highlight().Condition()).empty();
}

const ClassInfo& TfrxCustomMemoView::staticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<TfrxCustomMemoView>("TfrxCustomMemoView", &TfrxStretcheable::staticClassInfo()).creatable().build();
    return info;
}

TfrxCustomMemoView::TfrxCustomMemoView() = default;

TfrxCustomMemoView* TfrxCustomMemoView::FlowTo() const { return flowTo_.get(); }

void TfrxCustomMemoView::SetFlowTo(TfrxCustomMemoView* v) { flowTo_ = v == this ? nullptr : v; }

std::string TfrxCustomMemoView::Text() const { return joinLines(memo_); }

void TfrxCustomMemoView::SetText(std::string_view text) { memo_ = splitLines(text); }

void TfrxCustomMemoView::SetStyle(std::string v) {
    style_ = std::move(v);
    ApplyStyle();
}

void TfrxCustomMemoView::ApplyStyle() {
    const TfrxReport* report = Report();
    if (!report) return;
    const TfrxStyleItem* item = report->Styles().Find(style_);
    if (!item) return;
    SetColor(item->Color());
    Font().Assign(item->Font());
    Frame().Assign(item->Frame());
}

// Property tables. TfrxMemoView publishes every setting, in this order; TfrxSysMemoView a
// subset in its own order.
const ClassInfo& TfrxMemoView::staticClassInfo() {
    using M = TfrxMemoView;
    static const ClassInfo info =
        ClassBuilder<M>("TfrxMemoView", &TfrxCustomMemoView::staticClassInfo())
            .creatable()
            .boolean<&M::AutoWidth, &M::SetAutoWidth>("AutoWidth", false)
            .boolean<&M::AllowExpressions, &M::SetAllowExpressions>("AllowExpressions", true)
            .boolean<&M::AllowHTMLTags, &M::SetAllowHTMLTags>("AllowHTMLTags", false)
            .enumeration<&M::BrushStyle, &M::SetBrushStyle>("BrushStyle", kBrushStyleType, bsSolid)
            .floating<&M::CharSpacing, &M::SetCharSpacing>("CharSpacing", 0)
            .boolean<&M::Clipped, &M::SetClipped>("Clipped", true)
            .color<&M::Color, &M::SetColor>("Color", clNone)
            .string<&M::DataField, &M::SetDataField>("DataField")
            .reference<&M::DataSet, &M::SetDataSet>("DataSet", &TfrxDataSet::staticClassInfo)
            .string<&M::DataSetName, &M::SetDataSetName>("DataSetName")
            .object<LUMARO_MUTABLE_GETTER(TfrxCustomMemoView, DisplayFormat, TfrxFormat)>("DisplayFormat",
                                                                                     &TfrxFormat::staticClassInfo)
            .string<&M::ExpressionDelimiters, &M::SetExpressionDelimiters>("ExpressionDelimiters", "[,]")
            .reference<&M::FlowTo, &M::SetFlowTo>("FlowTo", &TfrxCustomMemoView::staticClassInfo)
            .object<LUMARO_MUTABLE_GETTER(TfrxComponent, Font, TfrxFont)>("Font", &TfrxFont::staticClassInfo, isFontStored)
            .object<LUMARO_MUTABLE_GETTER(TfrxView, Frame, TfrxFrame)>("Frame", &TfrxFrame::staticClassInfo)
            .floating<&M::GapX, &M::SetGapX>("GapX", 2)
            .floating<&M::GapY, &M::SetGapY>("GapY", 1)
            .enumeration<&M::HAlign, &M::SetHAlign>("HAlign", kHAlignType, haLeft)
            .boolean<&M::HideZeros, &M::SetHideZeros>("HideZeros", false)
            .object<LUMARO_MUTABLE_GETTER(TfrxCustomMemoView, Highlight, TfrxHighlight)>(
                "Highlight", &TfrxHighlight::staticClassInfo, isHighlightStored)
            .floating<&M::LineSpacing, &M::SetLineSpacing>("LineSpacing", 2)
            .lines<&M::Memo, &M::SetMemo>("Memo")
            .floating<&M::ParagraphGap, &M::SetParagraphGap>("ParagraphGap", 0)
            .boolean<&M::ParentFont, &M::SetParentFont>("ParentFont", true)
            .integer<&M::Rotation, &M::SetRotation>("Rotation", 0)
            .boolean<&M::RTLReading, &M::SetRTLReading>("RTLReading", false)
            .string<&M::Style, &M::SetStyle>("Style")
            .boolean<&M::SuppressRepeated, &M::SetSuppressRepeated>("SuppressRepeated", false)
            .boolean<&M::Underlines, &M::SetUnderlines>("Underlines", false)
            .boolean<&M::WordBreak, &M::SetWordBreak>("WordBreak", false)
            .boolean<&M::WordWrap, &M::SetWordWrap>("WordWrap", true)
            .enumeration<&M::VAlign, &M::SetVAlign>("VAlign", kVAlignType, vaTop)
            .build();
    return info;
}

std::string TfrxMemoView::DisplayName() const { return frxGet("obText"); }

const ClassInfo& TfrxSysMemoView::staticClassInfo() {
    using M = TfrxSysMemoView;
    static const ClassInfo info =
        ClassBuilder<M>("TfrxSysMemoView", &TfrxCustomMemoView::staticClassInfo())
            .creatable()
            .boolean<&M::AutoWidth, &M::SetAutoWidth>("AutoWidth", false)
            .enumeration<&M::BrushStyle, &M::SetBrushStyle>("BrushStyle", kBrushStyleType, bsSolid)
            .floating<&M::CharSpacing, &M::SetCharSpacing>("CharSpacing", 0)
            .color<&M::Color, &M::SetColor>("Color", clNone)
            .object<LUMARO_MUTABLE_GETTER(TfrxCustomMemoView, DisplayFormat, TfrxFormat)>("DisplayFormat",
                                                                                     &TfrxFormat::staticClassInfo)
            .object<LUMARO_MUTABLE_GETTER(TfrxComponent, Font, TfrxFont)>("Font", &TfrxFont::staticClassInfo, isFontStored)
            .object<LUMARO_MUTABLE_GETTER(TfrxView, Frame, TfrxFrame)>("Frame", &TfrxFrame::staticClassInfo)
            .floating<&M::GapX, &M::SetGapX>("GapX", 2)
            .floating<&M::GapY, &M::SetGapY>("GapY", 1)
            .enumeration<&M::HAlign, &M::SetHAlign>("HAlign", kHAlignType, haLeft)
            .boolean<&M::HideZeros, &M::SetHideZeros>("HideZeros", false)
            .object<LUMARO_MUTABLE_GETTER(TfrxCustomMemoView, Highlight, TfrxHighlight)>(
                "Highlight", &TfrxHighlight::staticClassInfo, isHighlightStored)
            .lines<&M::Memo, &M::SetMemo>("Memo")
            .boolean<&M::ParentFont, &M::SetParentFont>("ParentFont", true)
            .integer<&M::Rotation, &M::SetRotation>("Rotation", 0)
            .boolean<&M::RTLReading, &M::SetRTLReading>("RTLReading", false)
            .string<&M::Style, &M::SetStyle>("Style")
            .boolean<&M::SuppressRepeated, &M::SetSuppressRepeated>("SuppressRepeated", false)
            .enumeration<&M::VAlign, &M::SetVAlign>("VAlign", kVAlignType, vaTop)
            .build();
    return info;
}

std::string TfrxSysMemoView::DisplayName() const { return frxGet("obSysText"); }

}  // namespace lumaro
