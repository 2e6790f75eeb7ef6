#include "report/views/view.h"

#include "report/model/dataset.h"
#include "report/registry/class_builder.h"
#include "report/views/bracket_expansion.h"

namespace lumaro {

const ClassInfo& TfrxView::staticClassInfo() {
    using V = TfrxView;
    static const ClassInfo info =
        ClassBuilder<V>("TfrxView", &TfrxReportComponent::staticClassInfo())
            .enumeration<&V::Align, &V::SetAlign>("Align", kAlignType, baNone)
            .integer<&V::Cursor, &V::SetCursor>("Cursor", 0)
            .boolean<&V::Printable, &V::SetPrintable>("Printable", true)
            .enumeration<&V::ShiftMode, &V::SetShiftMode>("ShiftMode", kShiftModeType, smAlways)
            .string<&V::TagStr, &V::SetTagStr>("TagStr")
            .string<&V::URL, &V::SetURL>("URL")
            .floating<&V::Left, &V::SetLeft>("Left")
            .floating<&V::Top, &V::SetTop>("Top")
            .floating<&V::Width, &V::SetWidth>("Width")
            .floating<&V::Height, &V::SetHeight>("Height")
            .integer<&V::GroupIndex, &V::SetGroupIndex>("GroupIndex", 0)
            .set<&V::Restrictions, &V::SetRestrictions>("Restrictions", kRestrictionType, 0)
            .boolean<&V::Visible, &V::SetVisible>("Visible", true)
            .event<&V::OnAfterData, &V::SetOnAfterData>("OnAfterData")
            .event<&V::OnAfterPrint, &V::SetOnAfterPrint>("OnAfterPrint")
            .event<&V::OnBeforePrint, &V::SetOnBeforePrint>("OnBeforePrint")
            .event<&V::OnPreviewClick, &V::SetOnPreviewClick>("OnPreviewClick")
            .build();
    return info;
}

TfrxView::TfrxView() = default;

TfrxDataSet* TfrxView::DataSet() const { return dataSet_.get(); }

void TfrxView::SetDataSet(TfrxDataSet* ds) {
    dataSet_ = ds;
    dataSetName_ = ds ? ds->UserName() : std::string();
}

void TfrxView::SetDataSetName(std::string name) {
    dataSetName_ = std::move(name);
    dataSet_ = frxFindDataSet(Report(), dataSetName_);
}

bool TfrxView::IsDataField() const { return dataSet_ && !dataField_.empty(); }

void TfrxView::BeforePrint() {
    saved_ = {Left(), Top(), Width(), Height(), tagStr_, url_};
}

void TfrxView::AfterPrint() {
    SetLeft(saved_.left);
    SetTop(saved_.top);
    SetWidth(saved_.width);
    SetHeight(saved_.height);
    tagStr_ = saved_.tagStr;
    url_ = saved_.url;
}

void TfrxView::GetData() {
    if (tagStr_.find('[') != std::string::npos) tagStr_ = expandBracketedText(*this, tagStr_);
    if (url_.find('[') != std::string::npos) url_ = expandBracketedText(*this, url_);
}

const ClassInfo& TfrxStretcheable::staticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<TfrxStretcheable>("TfrxStretcheable", &TfrxView::staticClassInfo())
            .enumeration<&TfrxStretcheable::StretchMode, &TfrxStretcheable::SetStretchMode>(
                "StretchMode", kStretchModeType, smDontStretch)
            .build();
    return info;
}

}  // namespace lumaro
