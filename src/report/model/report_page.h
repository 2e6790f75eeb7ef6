#pragma once
// A printable page: paper size and orientation in millimetres, margins, columns, and the
// page's own background picture, colour and frame. Width and Height follow the paper size
// in pixels (3.77953 per millimetre), each rounded to a whole number.
#include <functional>
#include <memory>
#include <string>

#include "gfx/color.h"
#include "report/model/frame.h"
#include "report/model/page.h"
#include "report/model/picture.h"
#include "report/registry/class_info.h"
#include "report/registry/weak_ref.h"

namespace lumaro {

class TfrxDataSet;
class TfrxPictureView;
class TfrxSubreport;

// Pixels per millimetre of report units (this rounded factor, not 96 / 25.4).
inline constexpr double kMillimetreToPixels = 3.77953;

// Paper of the current printer, given to pages by ApplyPrinterDefaults.
struct PrinterPaperDefaults {
    int paperSize = 9;
    double paperWidth = 210;  // mm, in the given orientation
    double paperHeight = 297;
    TPrinterOrientation orientation = poPortrait;
};
// The printing layer installs the current printer's defaults; without it the virtual
// printer's (A4 portrait) are used.
void setPrinterPaperDefaultsProvider(std::function<PrinterPaperDefaults()> provider);
PrinterPaperDefaults currentPrinterPaperDefaults();

class TfrxReportPage : public TfrxPage {
    LUMARO_CLASS_INFO
public:
    // More positions than this are not generated when Columns is set.
    static constexpr int kMaxGeneratedColumns = 1000;

    TfrxReportPage();
    ~TfrxReportPage() override;

    TPrinterOrientation Orientation() const { return orientation_; }
    // A different orientation swaps width and height and rotates the margins.
    void SetOrientation(TPrinterOrientation v);
    double PaperWidth() const { return paperWidth_; }
    double PaperHeight() const { return paperHeight_; }
    // Setting either makes the paper custom (256).
    virtual void SetPaperWidth(double v);
    virtual void SetPaperHeight(double v);
    int PaperSize() const { return paperSize_; }
    // Codes below 256 found in the paper table take its size (swapped for landscape).
    virtual void SetPaperSize(int code);
    double LeftMargin() const { return leftMargin_; }
    void SetLeftMargin(double v) { leftMargin_ = v; }
    double RightMargin() const { return rightMargin_; }
    void SetRightMargin(double v) { rightMargin_ = v; }
    double TopMargin() const { return topMargin_; }
    void SetTopMargin(double v) { topMargin_ = v; }
    double BottomMargin() const { return bottomMargin_; }
    void SetBottomMargin(double v) { bottomMargin_ = v; }
    bool MirrorMargins() const { return mirrorMargins_; }
    void SetMirrorMargins(bool v) { mirrorMargins_ = v; }
    int Columns() const { return columns_; }
    // A positive count computes ColumnWidth and ColumnPositions; zero or less empties them.
    void SetColumns(int v);
    double ColumnWidth() const { return columnWidth_; }
    void SetColumnWidth(double v) { columnWidth_ = v; }
    const Lines& ColumnPositions() const { return columnPositions_; }
    void SetColumnPositions(Lines v) { columnPositions_ = std::move(v); }
    int Bin() const { return bin_; }
    void SetBin(int v) { bin_ = v; }
    int BinOtherPages() const { return binOtherPages_; }
    void SetBinOtherPages(int v) { binOtherPages_ = v; }
    TfrxPicture& BackPicture();
    const TfrxPicture& BackPicture() const;
    lumaro::Color Color() const;
    void SetColor(lumaro::Color v);
    TfrxFrame& Frame();
    const TfrxFrame& Frame() const;
    TfrxDataSet* DataSet() const;
    void SetDataSet(TfrxDataSet* ds);
    const std::string& DataSetName() const { return dataSetName_; }
    void SetDataSetName(std::string name);
    TfrxDuplexMode Duplex() const { return duplex_; }
    void SetDuplex(TfrxDuplexMode v) { duplex_ = v; }
    bool LargeDesignHeight() const { return largeDesignHeight_; }
    void SetLargeDesignHeight(bool v) { largeDesignHeight_ = v; }
    const std::string& OutlineText() const { return outlineText_; }
    void SetOutlineText(std::string v) { outlineText_ = std::move(v); }
    bool PrintIfEmpty() const { return printIfEmpty_; }
    void SetPrintIfEmpty(bool v) { printIfEmpty_ = v; }
    bool PrintOnPreviousPage() const { return printOnPreviousPage_; }
    void SetPrintOnPreviousPage(bool v) { printOnPreviousPage_ = v; }
    bool TitleBeforeHeader() const { return titleBeforeHeader_; }
    void SetTitleBeforeHeader(bool v) { titleBeforeHeader_ = v; }
    const Lines& HGuides() const { return hGuides_; }
    void SetHGuides(Lines v) { hGuides_ = std::move(v); }
    const Lines& VGuides() const { return vGuides_; }
    void SetVGuides(Lines v) { vGuides_ = std::move(v); }
    const std::string& OnAfterPrint() const { return onAfterPrint_; }
    void SetOnAfterPrint(std::string v) { onAfterPrint_ = std::move(v); }
    const std::string& OnBeforePrint() const { return onBeforePrint_; }
    void SetOnBeforePrint(std::string v) { onBeforePrint_ = std::move(v); }
    const std::string& OnManualBuild() const { return onManualBuild_; }
    void SetOnManualBuild(std::string v) { onManualBuild_ = std::move(v); }

    // The subreport object that prints this page, if any.
    TfrxSubreport* Subreport() const;
    void SetSubreport(TfrxSubreport* s);
    // The internal picture object that holds BackPicture, Color and Frame.
    TfrxPictureView& BackPictureView() { return *backPicture_; }
    const TfrxPictureView& BackPictureView() const { return *backPicture_; }

    // Margins of 10 mm; paper code, size and orientation of the current printer.
    virtual void ApplyPrinterDefaults();
    // Printable width, alignment of the page's views, band widths, then the bands' own views.
    void ArrangeChildren() override;

private:
    void updateDimensions();

    TPrinterOrientation orientation_ = poPortrait;
    double paperWidth_ = 210, paperHeight_ = 297;
    int paperSize_ = 9;
    double leftMargin_ = 0, rightMargin_ = 0, topMargin_ = 0, bottomMargin_ = 0;
    bool mirrorMargins_ = false;
    int columns_ = 0;
    double columnWidth_ = 0;
    Lines columnPositions_;
    int bin_ = 7, binOtherPages_ = 7;
    std::unique_ptr<TfrxPictureView> backPicture_;
    WeakRef<TfrxDataSet> dataSet_;
    std::string dataSetName_;
    TfrxDuplexMode duplex_ = dmNone;
    bool largeDesignHeight_ = false;
    std::string outlineText_;
    bool printIfEmpty_ = true;
    bool printOnPreviousPage_ = false;
    bool titleBeforeHeader_ = true;
    Lines hGuides_, vGuides_;
    std::string onAfterPrint_, onBeforePrint_, onManualBuild_;
    WeakRef<TfrxSubreport> subreport_;
};

}  // namespace lumaro
