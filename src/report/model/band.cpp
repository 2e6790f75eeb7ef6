// Property tables of the bands, one per band kind, in declaration order.
#include "report/model/band.h"

#include "report/model/dataset.h"
#include "report/registry/class_builder.h"

namespace lumaro {

namespace {
using B = TfrxBand;
using D = TfrxDataBand;

template <class C>
ClassBuilder<C> bandClass(const char* name, const ClassInfo* parent) {
    ClassBuilder<C> b(name, parent);
    b.template creatable<C>();
    return b;
}
}  // namespace

const ClassInfo& TfrxBand::staticClassInfo() {
    static const ClassInfo info =
        ClassBuilder<B>("TfrxBand", &TfrxReportComponent::staticClassInfo())
            .object<LUMARO_MUTABLE_GETTER(TfrxComponent, Font, TfrxFont)>("Font", &TfrxFont::staticClassInfo, isFontStored)
            .floating<&B::Height, &B::SetHeight>("Height")
            .floating<&B::Left, &B::SetLeft>("Left")
            .boolean<&B::ParentFont, &B::SetParentFont>("ParentFont", true)
            .set<&B::Restrictions, &B::SetRestrictions>("Restrictions", kRestrictionType, 0)
            .floating<&B::Top, &B::SetTop>("Top")
            .boolean<&B::Vertical, &B::SetVertical>("Vertical", false)
            .boolean<&B::Visible, &B::SetVisible>("Visible", true)
            .floating<&B::Width, &B::SetWidth>("Width")
            .event<&B::OnAfterCalcHeight, &B::SetOnAfterCalcHeight>("OnAfterCalcHeight")
            .event<&B::OnAfterPrint, &B::SetOnAfterPrint>("OnAfterPrint")
            .event<&B::OnBeforePrint, &B::SetOnBeforePrint>("OnBeforePrint")
            .build();
    return info;
}

TfrxChild* TfrxBand::Child() const { return child_.get(); }

void TfrxBand::SetChild(TfrxChild* child) { child_ = static_cast<TfrxBand*>(child) == this ? nullptr : child; }

const ClassInfo& TfrxReportTitle::staticClassInfo() {
    static const ClassInfo info = bandClass<TfrxReportTitle>("TfrxReportTitle", &TfrxBand::staticClassInfo())
                                      .reference<&B::Child, &B::SetChild>("Child", &TfrxChild::staticClassInfo)
                                      .boolean<&B::KeepChild, &B::SetKeepChild>("KeepChild", false)
                                      .boolean<&B::PrintChildIfInvisible, &B::SetPrintChildIfInvisible>("PrintChildIfInvisible", false)
                                      .boolean<&B::StartNewPage, &B::SetStartNewPage>("StartNewPage", false)
                                      .boolean<&B::Stretched, &B::SetStretched>("Stretched", false)
                                      .build();
    return info;
}

const ClassInfo& TfrxReportSummary::staticClassInfo() {
    static const ClassInfo info = bandClass<TfrxReportSummary>("TfrxReportSummary", &TfrxBand::staticClassInfo())
                                      .boolean<&B::AllowSplit, &B::SetAllowSplit>("AllowSplit", false)
                                      .reference<&B::Child, &B::SetChild>("Child", &TfrxChild::staticClassInfo)
                                      .boolean<&B::KeepChild, &B::SetKeepChild>("KeepChild", false)
                                      .boolean<&B::PrintChildIfInvisible, &B::SetPrintChildIfInvisible>("PrintChildIfInvisible", false)
                                      .boolean<&B::StartNewPage, &B::SetStartNewPage>("StartNewPage", false)
                                      .boolean<&B::Stretched, &B::SetStretched>("Stretched", false)
                                      .build();
    return info;
}

const ClassInfo& TfrxPageHeader::staticClassInfo() {
    static const ClassInfo info = bandClass<TfrxPageHeader>("TfrxPageHeader", &TfrxBand::staticClassInfo())
                                      .reference<&B::Child, &B::SetChild>("Child", &TfrxChild::staticClassInfo)
                                      .boolean<&B::PrintChildIfInvisible, &B::SetPrintChildIfInvisible>("PrintChildIfInvisible", false)
                                      .boolean<&B::PrintOnFirstPage, &B::SetPrintOnFirstPage>("PrintOnFirstPage", true)
                                      .boolean<&B::Stretched, &B::SetStretched>("Stretched", false)
                                      .build();
    return info;
}

const ClassInfo& TfrxPageFooter::staticClassInfo() {
    static const ClassInfo info = bandClass<TfrxPageFooter>("TfrxPageFooter", &TfrxBand::staticClassInfo())
                                      .boolean<&B::PrintOnFirstPage, &B::SetPrintOnFirstPage>("PrintOnFirstPage", true)
                                      .boolean<&B::PrintOnLastPage, &B::SetPrintOnLastPage>("PrintOnLastPage", true)
                                      .build();
    return info;
}

const ClassInfo& TfrxHeader::staticClassInfo() {
    static const ClassInfo info = bandClass<TfrxHeader>("TfrxHeader", &TfrxBand::staticClassInfo())
                                      .boolean<&B::AllowSplit, &B::SetAllowSplit>("AllowSplit", false)
                                      .reference<&B::Child, &B::SetChild>("Child", &TfrxChild::staticClassInfo)
                                      .boolean<&B::KeepChild, &B::SetKeepChild>("KeepChild", false)
                                      .boolean<&B::PrintChildIfInvisible, &B::SetPrintChildIfInvisible>("PrintChildIfInvisible", false)
                                      .boolean<&B::ReprintOnNewPage, &B::SetReprintOnNewPage>("ReprintOnNewPage", false)
                                      .boolean<&B::StartNewPage, &B::SetStartNewPage>("StartNewPage", false)
                                      .boolean<&B::Stretched, &B::SetStretched>("Stretched", false)
                                      .build();
    return info;
}

const ClassInfo& TfrxFooter::staticClassInfo() {
    static const ClassInfo info = bandClass<TfrxFooter>("TfrxFooter", &TfrxBand::staticClassInfo())
                                      .boolean<&B::AllowSplit, &B::SetAllowSplit>("AllowSplit", false)
                                      .reference<&B::Child, &B::SetChild>("Child", &TfrxChild::staticClassInfo)
                                      .boolean<&B::KeepChild, &B::SetKeepChild>("KeepChild", false)
                                      .boolean<&B::PrintChildIfInvisible, &B::SetPrintChildIfInvisible>("PrintChildIfInvisible", false)
                                      .boolean<&B::Stretched, &B::SetStretched>("Stretched", false)
                                      .build();
    return info;
}

const ClassInfo& TfrxDataBand::staticClassInfo() {
    static const ClassInfo info = ClassBuilder<D>("TfrxDataBand", &TfrxBand::staticClassInfo())
                                      .boolean<&D::AllowSplit, &D::SetAllowSplit>("AllowSplit", false)
                                      .reference<&D::Child, &D::SetChild>("Child", &TfrxChild::staticClassInfo)
                                      .integer<&D::Columns, &D::SetColumns>("Columns", 0)
                                      .floating<&D::ColumnWidth, &D::SetColumnWidth>("ColumnWidth")
                                      .floating<&D::ColumnGap, &D::SetColumnGap>("ColumnGap")
                                      .reference<&D::DataSet, &D::SetDataSet>("DataSet", &TfrxDataSet::staticClassInfo)
                                      .string<&D::DataSetName, &D::SetDataSetName>("DataSetName")
                                      .boolean<&D::FooterAfterEach, &D::SetFooterAfterEach>("FooterAfterEach", false)
                                      .boolean<&D::KeepChild, &D::SetKeepChild>("KeepChild", false)
                                      .boolean<&D::KeepFooter, &D::SetKeepFooter>("KeepFooter", false)
                                      .boolean<&D::KeepHeader, &D::SetKeepHeader>("KeepHeader", false)
                                      .boolean<&D::KeepTogether, &D::SetKeepTogether>("KeepTogether", false)
                                      .string<&D::OutlineText, &D::SetOutlineText>("OutlineText")
                                      .boolean<&D::PrintChildIfInvisible, &D::SetPrintChildIfInvisible>("PrintChildIfInvisible", false)
                                      .boolean<&D::PrintIfDetailEmpty, &D::SetPrintIfDetailEmpty>("PrintIfDetailEmpty", false)
                                      .integer<&D::RowCount, &D::SetRowCount>("RowCount")
                                      .boolean<&D::StartNewPage, &D::SetStartNewPage>("StartNewPage", false)
                                      .boolean<&D::Stretched, &D::SetStretched>("Stretched", false)
                                      .event<&D::OnMasterDetail, &D::SetOnMasterDetail>("OnMasterDetail")
                                      .build();
    return info;
}

TfrxDataBand::TfrxDataBand() : virtualDataSet_(std::make_unique<TfrxUserDataSet>()) {
    virtualDataSet_->SetRangeEnd(reCount);
}

TfrxDataBand::~TfrxDataBand() = default;

TfrxDataSet* TfrxDataBand::DataSet() const { return dataSet_.get(); }

void TfrxDataBand::SetDataSet(TfrxDataSet* ds) {
    dataSet_ = ds;
    dataSetName_ = ds ? ds->UserName() : std::string();
}

void TfrxDataBand::SetDataSetName(std::string name) {
    dataSetName_ = std::move(name);
    dataSet_ = frxFindDataSet(Report(), dataSetName_);
}

int TfrxDataBand::RowCount() const { return virtualDataSet_->RangeEndCount(); }

void TfrxDataBand::SetRowCount(int v) { virtualDataSet_->SetRangeEndCount(v); }

#define LUMARO_DATA_BAND_INFO(Class)                                                                        \
    const ClassInfo& Class::staticClassInfo() {                                                             \
        static const ClassInfo info = bandClass<Class>(#Class, &TfrxDataBand::staticClassInfo()).build(); \
        return info;                                                                                        \
    }
LUMARO_DATA_BAND_INFO(TfrxMasterData)
LUMARO_DATA_BAND_INFO(TfrxDetailData)
LUMARO_DATA_BAND_INFO(TfrxSubdetailData)
LUMARO_DATA_BAND_INFO(TfrxDataBand4)
LUMARO_DATA_BAND_INFO(TfrxDataBand5)
LUMARO_DATA_BAND_INFO(TfrxDataBand6)
#undef LUMARO_DATA_BAND_INFO

const ClassInfo& TfrxGroupHeader::staticClassInfo() {
    using G = TfrxGroupHeader;
    static const ClassInfo info = bandClass<G>("TfrxGroupHeader", &TfrxBand::staticClassInfo())
                                      .boolean<&G::AllowSplit, &G::SetAllowSplit>("AllowSplit", false)
                                      .reference<&G::Child, &G::SetChild>("Child", &TfrxChild::staticClassInfo)
                                      .string<&G::Condition, &G::SetCondition>("Condition")
                                      .boolean<&G::KeepChild, &G::SetKeepChild>("KeepChild", false)
                                      .boolean<&G::KeepTogether, &G::SetKeepTogether>("KeepTogether", false)
                                      .boolean<&G::ReprintOnNewPage, &G::SetReprintOnNewPage>("ReprintOnNewPage", false)
                                      .string<&G::OutlineText, &G::SetOutlineText>("OutlineText")
                                      .boolean<&G::PrintChildIfInvisible, &G::SetPrintChildIfInvisible>("PrintChildIfInvisible", false)
                                      .boolean<&G::StartNewPage, &G::SetStartNewPage>("StartNewPage", false)
                                      .boolean<&G::Stretched, &G::SetStretched>("Stretched", false)
                                      .build();
    return info;
}

const ClassInfo& TfrxGroupFooter::staticClassInfo() {
    static const ClassInfo info = bandClass<TfrxGroupFooter>("TfrxGroupFooter", &TfrxBand::staticClassInfo())
                                      .boolean<&B::AllowSplit, &B::SetAllowSplit>("AllowSplit", false)
                                      .reference<&B::Child, &B::SetChild>("Child", &TfrxChild::staticClassInfo)
                                      .boolean<&B::KeepChild, &B::SetKeepChild>("KeepChild", false)
                                      .boolean<&B::PrintChildIfInvisible, &B::SetPrintChildIfInvisible>("PrintChildIfInvisible", false)
                                      .boolean<&B::Stretched, &B::SetStretched>("Stretched", false)
                                      .build();
    return info;
}

const ClassInfo& TfrxChild::staticClassInfo() {
    static const ClassInfo info = bandClass<TfrxChild>("TfrxChild", &TfrxBand::staticClassInfo())
                                      .boolean<&B::AllowSplit, &B::SetAllowSplit>("AllowSplit", false)
                                      .reference<&B::Child, &B::SetChild>("Child", &TfrxChild::staticClassInfo)
                                      .boolean<&B::KeepChild, &B::SetKeepChild>("KeepChild", false)
                                      .boolean<&B::PrintChildIfInvisible, &B::SetPrintChildIfInvisible>("PrintChildIfInvisible", false)
                                      .boolean<&B::StartNewPage, &B::SetStartNewPage>("StartNewPage", false)
                                      .boolean<&B::Stretched, &B::SetStretched>("Stretched", false)
                                      .build();
    return info;
}

const ClassInfo& TfrxColumnHeader::staticClassInfo() {
    static const ClassInfo info = bandClass<TfrxColumnHeader>("TfrxColumnHeader", &TfrxBand::staticClassInfo())
                                      .boolean<&B::Stretched, &B::SetStretched>("Stretched", false)
                                      .build();
    return info;
}

#define LUMARO_PLAIN_BAND_INFO(Class)                                                                   \
    const ClassInfo& Class::staticClassInfo() {                                                         \
        static const ClassInfo info = bandClass<Class>(#Class, &TfrxBand::staticClassInfo()).build(); \
        return info;                                                                                    \
    }
LUMARO_PLAIN_BAND_INFO(TfrxColumnFooter)
LUMARO_PLAIN_BAND_INFO(TfrxOverlay)
LUMARO_PLAIN_BAND_INFO(TfrxNullBand)
#undef LUMARO_PLAIN_BAND_INFO

}  // namespace lumaro
