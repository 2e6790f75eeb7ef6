#pragma once
// Bands: horizontal (or vertical) strips of a report page that the engine prints in a fixed
// order. The kind number of a band is its position in the band table (0 report title ...
// 17 overlay); data bands 6 to 11 loop over a data set or a row count.
#include <memory>
#include <string>

#include "report/model/report_component.h"
#include "report/registry/weak_ref.h"

namespace lumaro {

class TfrxChild;
class TfrxDataSet;
class TfrxUserDataSet;

class TfrxBand : public TfrxReportComponent {
    LUMARO_CLASS_INFO
public:
    // Kind number 0 to 17; -1 for TfrxNullBand.
    virtual int BandKind() const = 0;

    bool Vertical() const { return vertical_; }
    void SetVertical(bool v) { vertical_ = v; }
    bool AllowSplit() const { return allowSplit_; }
    void SetAllowSplit(bool v) { allowSplit_ = v; }
    // A band of class TfrxChild printed after this one; cleared when that band is destroyed.
    TfrxChild* Child() const;
    void SetChild(TfrxChild* child);
    bool KeepChild() const { return keepChild_; }
    void SetKeepChild(bool v) { keepChild_ = v; }
    bool KeepTogether() const { return keepTogether_; }
    void SetKeepTogether(bool v) { keepTogether_ = v; }
    const std::string& OutlineText() const { return outlineText_; }
    void SetOutlineText(std::string v) { outlineText_ = std::move(v); }
    bool PrintChildIfInvisible() const { return printChildIfInvisible_; }
    void SetPrintChildIfInvisible(bool v) { printChildIfInvisible_ = v; }
    bool PrintOnFirstPage() const { return printOnFirstPage_; }
    void SetPrintOnFirstPage(bool v) { printOnFirstPage_ = v; }
    bool PrintOnLastPage() const { return printOnLastPage_; }
    void SetPrintOnLastPage(bool v) { printOnLastPage_ = v; }
    bool ReprintOnNewPage() const { return reprintOnNewPage_; }
    void SetReprintOnNewPage(bool v) { reprintOnNewPage_ = v; }
    bool StartNewPage() const { return startNewPage_; }
    void SetStartNewPage(bool v) { startNewPage_ = v; }
    bool Stretched() const { return stretched_; }
    void SetStretched(bool v) { stretched_ = v; }

    const std::string& OnAfterCalcHeight() const { return onAfterCalcHeight_; }
    void SetOnAfterCalcHeight(std::string v) { onAfterCalcHeight_ = std::move(v); }
    const std::string& OnAfterPrint() const { return onAfterPrint_; }
    void SetOnAfterPrint(std::string v) { onAfterPrint_ = std::move(v); }
    const std::string& OnBeforePrint() const { return onBeforePrint_; }
    void SetOnBeforePrint(std::string v) { onBeforePrint_ = std::move(v); }

private:
    bool vertical_ = false;
    bool allowSplit_ = false;
    WeakRef<TfrxChild> child_;
    bool keepChild_ = false;
    bool keepTogether_ = false;
    std::string outlineText_;
    bool printChildIfInvisible_ = false;
    bool printOnFirstPage_ = true;
    bool printOnLastPage_ = true;
    bool reprintOnNewPage_ = false;
    bool startNewPage_ = false;
    bool stretched_ = false;
    std::string onAfterCalcHeight_, onAfterPrint_, onBeforePrint_;
};

// Base of the data bands. Without a DataSet the band prints RowCount rows, counted by an
// internal user data set whose range ends after that count.
class TfrxDataBand : public TfrxBand {
    LUMARO_CLASS_INFO
public:
    TfrxDataBand();
    ~TfrxDataBand() override;

    int Columns() const { return columns_; }
    void SetColumns(int v) { columns_ = v; }
    double ColumnWidth() const { return columnWidth_; }
    void SetColumnWidth(double v) { columnWidth_ = v; }
    double ColumnGap() const { return columnGap_; }
    void SetColumnGap(double v) { columnGap_ = v; }
    // Setting the data set also sets DataSetName; setting the name looks the data set up.
    TfrxDataSet* DataSet() const;
    void SetDataSet(TfrxDataSet* ds);
    const std::string& DataSetName() const { return dataSetName_; }
    void SetDataSetName(std::string name);
    bool FooterAfterEach() const { return footerAfterEach_; }
    void SetFooterAfterEach(bool v) { footerAfterEach_ = v; }
    bool KeepFooter() const { return keepFooter_; }
    void SetKeepFooter(bool v) { keepFooter_ = v; }
    bool KeepHeader() const { return keepHeader_; }
    void SetKeepHeader(bool v) { keepHeader_ = v; }
    bool PrintIfDetailEmpty() const { return printIfDetailEmpty_; }
    void SetPrintIfDetailEmpty(bool v) { printIfDetailEmpty_ = v; }
    int RowCount() const;
    void SetRowCount(int v);
    const std::string& OnMasterDetail() const { return onMasterDetail_; }
    void SetOnMasterDetail(std::string v) { onMasterDetail_ = std::move(v); }

    // The internal data set that counts RowCount rows.
    TfrxUserDataSet& VirtualDataSet() { return *virtualDataSet_; }

private:
    int columns_ = 0;
    double columnWidth_ = 0;
    double columnGap_ = 0;
    WeakRef<TfrxDataSet> dataSet_;
    std::string dataSetName_;
    bool footerAfterEach_ = false;
    bool keepFooter_ = false;
    bool keepHeader_ = false;
    bool printIfDetailEmpty_ = false;
    std::string onMasterDetail_;
    std::unique_ptr<TfrxUserDataSet> virtualDataSet_;
};

#define LUMARO_BAND_CLASS(Class, Base, Kind)          \
    class Class : public Base {                       \
        LUMARO_CLASS_INFO                             \
        int BandKind() const override { return Kind; } \
    };

LUMARO_BAND_CLASS(TfrxReportTitle, TfrxBand, 0)
LUMARO_BAND_CLASS(TfrxReportSummary, TfrxBand, 1)
LUMARO_BAND_CLASS(TfrxPageHeader, TfrxBand, 2)
LUMARO_BAND_CLASS(TfrxPageFooter, TfrxBand, 3)
LUMARO_BAND_CLASS(TfrxHeader, TfrxBand, 4)
LUMARO_BAND_CLASS(TfrxFooter, TfrxBand, 5)
LUMARO_BAND_CLASS(TfrxMasterData, TfrxDataBand, 6)
LUMARO_BAND_CLASS(TfrxDetailData, TfrxDataBand, 7)
LUMARO_BAND_CLASS(TfrxSubdetailData, TfrxDataBand, 8)
LUMARO_BAND_CLASS(TfrxDataBand4, TfrxDataBand, 9)
LUMARO_BAND_CLASS(TfrxDataBand5, TfrxDataBand, 10)
LUMARO_BAND_CLASS(TfrxDataBand6, TfrxDataBand, 11)
LUMARO_BAND_CLASS(TfrxGroupFooter, TfrxBand, 13)
LUMARO_BAND_CLASS(TfrxChild, TfrxBand, 14)
LUMARO_BAND_CLASS(TfrxColumnHeader, TfrxBand, 15)
LUMARO_BAND_CLASS(TfrxColumnFooter, TfrxBand, 16)
LUMARO_BAND_CLASS(TfrxOverlay, TfrxBand, 17)
LUMARO_BAND_CLASS(TfrxNullBand, TfrxBand, -1)

#undef LUMARO_BAND_CLASS

class TfrxGroupHeader : public TfrxBand {
    LUMARO_CLASS_INFO
public:
    int BandKind() const override { return 12; }
    // Expression whose change starts a new group.
    const std::string& Condition() const { return condition_; }
    void SetCondition(std::string v) { condition_ = std::move(v); }

private:
    std::string condition_;
};

}  // namespace lumaro
