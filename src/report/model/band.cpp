// Property tables of the bands, one per band kind, in declaration order.
#include "report/model/band.h"

#include "report/model/dataset.h"
#include "report/registry/class_builder.h"

namespace lumaro {

namespace {
using B = TfrxBand;
using D = TfrxDataBand;

// The properties that the plain band kinds publish, in the order they publish them.
enum BandProps : unsigned {
    kAllowSplit = 1 << 0,
    kChild = 1 << 1,
    kKeepChild = 1 << 2,
    kPrintChildIfInvisible = 1 << 3,
    kPrintOnFirstPage = 1 << 4,
    kPrintOnLastPage = 1 << 5,
    kReprintOnNewPage = 1 << 6,
    kStartNewPage = 1 << 7,
    kStretched = 1 << 8,
};

template <class C>
ClassBuilder<C> bandClass(const char* name, const ClassInfo* parent) {
    ClassBuilder<C> b(name, parent);
    b.template creatable<C>();
    return b;
}

// A band kind derived directly from TfrxBand that publishes the given properties.
template <class C>
ClassInfo plainBand(const char* name, unsigned props) {
    ClassBuilder<C> b = bandClass<C>(name, &TfrxBand::staticClassInfo());
    if (props & kAllowSplit) b.template boolean<&B::AllowSplit, &B::SetAllowSplit>("AllowSplit", false);
    if (props & kChild) b.template reference<&B::Child, &B::SetChild>("Child", &TfrxChild::staticClassInfo);
    if (props & kKeepChild) b.template boolean<&B::KeepChild, &B::SetKeepChild>("KeepChild", false);
    if (props & kPrintChildIfInvisible)
        b.template boolean<&B::PrintChildIfInvisible, &B::SetPrintChildIfInvisible>("PrintChildIfInvisible", false);
    if (props & kPrintOnFirstPage) b.template boolean<&B::PrintOnFirstPage, &B::SetPrintOnFirstPage>("PrintOnFirstPage", true);
    if (props & kPrintOnLastPage) b.template boolean<&B::PrintOnLastPage, &B::SetPrintOnLastPage>("PrintOnLastPage", true);
    if (props & kReprintOnNewPage) b.template boolean<&B::ReprintOnNewPage, &B::SetReprintOnNewPage>("ReprintOnNewPage", false);
    if (props & kStartNewPage) b.template boolean<&B::StartNewPage, &B::SetStartNewPage>("StartNewPage", false);
    if (props & kStretched) b.template boolean<&B::Stretched, &B::SetStretched>("Stretched", false);
    return b.build();
}

}  // namespace

#define LUMARO_PLAIN_BAND_INFO(Class, props)                                  \
    const ClassInfo& Class::staticClassInfo() {                               \
        static const ClassInfo info = plainBand<Class>(#Class, props);        \
        return info;                                                          \
    }
LUMARO_PLAIN_BAND_INFO(TfrxReportTitle, kChild | kKeepChild | kPrintChildIfInvisible | kStartNewPage | kStretched)
LUMARO_PLAIN_BAND_INFO(TfrxReportSummary,
                       kAllowSplit | kChild | kKeepChild | kPrintChildIfInvisible | kStartNewPage | kStretched)
LUMARO_PLAIN_BAND_INFO(TfrxPageHeader, kChild | kPrintChildIfInvisible | kPrintOnFirstPage | kStretched)
LUMARO_PLAIN_BAND_INFO(TfrxPageFooter, kPrintOnFirstPage | kPrintOnLastPage)
LUMARO_PLAIN_BAND_INFO(TfrxHeader, kAllowSplit | kChild | kKeepChild | kPrintChildIfInvisible | kReprintOnNewPage |
                                       kStartNewPage | kStretched)
LUMARO_PLAIN_BAND_INFO(TfrxFooter, kAllowSplit | kChild | kKeepChild | kPrintChildIfInvisible | kStretched)
LUMARO_PLAIN_BAND_INFO(TfrxGroupFooter, kAllowSplit | kChild | kKeepChild | kPrintChildIfInvisible | kStretched)
LUMARO_PLAIN_BAND_INFO(TfrxChild, kAllowSplit | kChild | kKeepChild | kPrintChildIfInvisible | kStartNewPage | kStretched)
LUMARO_PLAIN_BAND_INFO(TfrxColumnHeader, kStretched)
LUMARO_PLAIN_BAND_INFO(TfrxColumnFooter, 0)
LUMARO_PLAIN_BAND_INFO(TfrxOverlay, 0)
LUMARO_PLAIN_BAND_INFO(TfrxNullBand, 0)
#undef LUMARO_PLAIN_BAND_INFO

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

}  // namespace lumaro
