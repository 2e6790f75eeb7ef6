#include "report/model/report_page.h"

#include <cmath>
#include <utility>

#include "core/number_text.h"
#include "gfx/paper_sizes.h"
#include "report/model/band.h"
#include "report/model/dataset.h"
#include "report/registry/class_builder.h"
#include "report/views/picture_view.h"
#include "report/views/subreport.h"

namespace lumaro {

namespace {
std::function<PrinterPaperDefaults()>& paperDefaultsProvider() {
    static std::function<PrinterPaperDefaults()> provider;
    return provider;
}

// Millimetres to pixels, rounded half to even.
double roundedPixels(double mm) { return std::nearbyint(mm * kMillimetreToPixels); }
}  // namespace

void setPrinterPaperDefaultsProvider(std::function<PrinterPaperDefaults()> provider) {
    paperDefaultsProvider() = std::move(provider);
}

PrinterPaperDefaults currentPrinterPaperDefaults() {
    return paperDefaultsProvider() ? paperDefaultsProvider()() : PrinterPaperDefaults{};
}

const ClassInfo& TfrxReportPage::staticClassInfo() {
    using P = TfrxReportPage;
    static const ClassInfo info =
        ClassBuilder<P>("TfrxReportPage", &TfrxPage::staticClassInfo())
            .creatable()
            .baseName("Page")
            .enumeration<&P::Orientation, &P::SetOrientation>("Orientation", kOrientationType, poPortrait)
            .floating<&P::PaperWidth, &P::SetPaperWidth>("PaperWidth")
            .floating<&P::PaperHeight, &P::SetPaperHeight>("PaperHeight")
            .integer<&P::PaperSize, &P::SetPaperSize>("PaperSize")
            .floating<&P::LeftMargin, &P::SetLeftMargin>("LeftMargin")
            .floating<&P::RightMargin, &P::SetRightMargin>("RightMargin")
            .floating<&P::TopMargin, &P::SetTopMargin>("TopMargin")
            .floating<&P::BottomMargin, &P::SetBottomMargin>("BottomMargin")
            .boolean<&P::MirrorMargins, &P::SetMirrorMargins>("MirrorMargins", false)
            .integer<&P::Columns, &P::SetColumns>("Columns", 0)
            .floating<&P::ColumnWidth, &P::SetColumnWidth>("ColumnWidth")
            .lines<&P::ColumnPositions, &P::SetColumnPositions>("ColumnPositions")
            .integer<&P::Bin, &P::SetBin>("Bin", 7)
            .integer<&P::BinOtherPages, &P::SetBinOtherPages>("BinOtherPages", 7)
            .object<LUMARO_MUTABLE_GETTER(P, BackPicture, TfrxPicture)>("BackPicture", &TfrxPicture::staticClassInfo)
            .color<&P::Color, &P::SetColor>("Color", clNone)
            .reference<&P::DataSet, &P::SetDataSet>("DataSet", &TfrxDataSet::staticClassInfo)
            .string<&P::DataSetName, &P::SetDataSetName>("DataSetName")
            .enumeration<&P::Duplex, &P::SetDuplex>("Duplex", kDuplexModeType, dmNone)
            .object<LUMARO_MUTABLE_GETTER(P, Frame, TfrxFrame)>("Frame", &TfrxFrame::staticClassInfo)
            .boolean<&P::LargeDesignHeight, &P::SetLargeDesignHeight>("LargeDesignHeight", false)
            .string<&P::OutlineText, &P::SetOutlineText>("OutlineText")
            .boolean<&P::PrintIfEmpty, &P::SetPrintIfEmpty>("PrintIfEmpty", true)
            .boolean<&P::PrintOnPreviousPage, &P::SetPrintOnPreviousPage>("PrintOnPreviousPage", false)
            .boolean<&P::TitleBeforeHeader, &P::SetTitleBeforeHeader>("TitleBeforeHeader", true)
            .lines<&P::HGuides, &P::SetHGuides>("HGuides")
            .lines<&P::VGuides, &P::SetVGuides>("VGuides")
            .event<&P::OnAfterPrint, &P::SetOnAfterPrint>("OnAfterPrint")
            .event<&P::OnBeforePrint, &P::SetOnBeforePrint>("OnBeforePrint")
            .event<&P::OnManualBuild, &P::SetOnManualBuild>("OnManualBuild")
            .build();
    return info;
}

TfrxReportPage::TfrxReportPage() : backPicture_(std::make_unique<TfrxPictureView>()) {
    backPicture_->SetColor(clNone);
    backPicture_->SetKeepAspectRatio(false);
    updateDimensions();
}

TfrxReportPage::~TfrxReportPage() = default;

void TfrxReportPage::updateDimensions() {
    SetWidth(roundedPixels(paperWidth_));
    SetHeight(roundedPixels(paperHeight_));
}

void TfrxReportPage::SetOrientation(TPrinterOrientation v) {
    if (v == orientation_) return;
    std::swap(paperWidth_, paperHeight_);
    const double l = leftMargin_, r = rightMargin_, t = topMargin_, b = bottomMargin_;
    if (v == poLandscape) {
        leftMargin_ = t;
        rightMargin_ = b;
        topMargin_ = r;
        bottomMargin_ = l;
    } else {
        leftMargin_ = b;
        rightMargin_ = t;
        topMargin_ = l;
        bottomMargin_ = r;
    }
    orientation_ = v;
    updateDimensions();
}

void TfrxReportPage::SetPaperWidth(double v) {
    paperWidth_ = v;
    paperSize_ = kCustomPaperId;
    updateDimensions();
}

void TfrxReportPage::SetPaperHeight(double v) {
    paperHeight_ = v;
    paperSize_ = kCustomPaperId;
    updateDimensions();
}

void TfrxReportPage::SetPaperSize(int code) {
    paperSize_ = code;
    if (code < kCustomPaperId) {
        if (const TPaperInfo* p = findPaper(code)) {
            paperWidth_ = p->width / 10.0;
            paperHeight_ = p->height / 10.0;
            if (orientation_ == poLandscape) std::swap(paperWidth_, paperHeight_);
        }
    }
    updateDimensions();
}

void TfrxReportPage::SetColumns(int v) {
    columns_ = v;
    columnPositions_.clear();
    if (v <= 0) return;
    columnWidth_ = (paperWidth_ - leftMargin_ - rightMargin_) / v;
    const int generated = v < kMaxGeneratedColumns ? v : kMaxGeneratedColumns;
    for (int i = 0; i < generated; ++i) columnPositions_.push_back(floatToStr(i * columnWidth_));
}

TfrxPicture& TfrxReportPage::BackPicture() { return backPicture_->Picture(); }
const TfrxPicture& TfrxReportPage::BackPicture() const { return backPicture_->Picture(); }
lumaro::Color TfrxReportPage::Color() const { return backPicture_->Color(); }
void TfrxReportPage::SetColor(lumaro::Color v) { backPicture_->SetColor(v); }
TfrxFrame& TfrxReportPage::Frame() { return backPicture_->Frame(); }
const TfrxFrame& TfrxReportPage::Frame() const { return backPicture_->Frame(); }

TfrxDataSet* TfrxReportPage::DataSet() const { return dataSet_.get(); }

void TfrxReportPage::SetDataSet(TfrxDataSet* ds) {
    dataSet_ = ds;
    dataSetName_ = ds ? ds->UserName() : std::string();
}

void TfrxReportPage::SetDataSetName(std::string name) {
    dataSetName_ = std::move(name);
    dataSet_ = frxFindDataSet(Report(), dataSetName_);
}

TfrxSubreport* TfrxReportPage::Subreport() const { return subreport_.get(); }

void TfrxReportPage::SetSubreport(TfrxSubreport* s) { subreport_ = s; }

void TfrxReportPage::ApplyPrinterDefaults() {
    const PrinterPaperDefaults d = currentPrinterPaperDefaults();
    leftMargin_ = rightMargin_ = topMargin_ = bottomMargin_ = 10;
    paperSize_ = d.paperSize;
    paperWidth_ = d.paperWidth;
    paperHeight_ = d.paperHeight;
    orientation_ = d.orientation;
    updateDimensions();
}

void TfrxReportPage::ArrangeChildren() {
    SetWidth((paperWidth_ - leftMargin_ - rightMargin_) * kMillimetreToPixels);
    TfrxComponent::ArrangeChildren();
    const double printableHeight = (paperHeight_ - topMargin_ - bottomMargin_) * kMillimetreToPixels;
    for (TfrxComponent* c : Objects()) {
        auto* band = dynamic_cast<TfrxBand*>(c);
        if (!band) continue;
        if (band->Vertical())
            band->SetHeight(printableHeight);
        else
            band->SetWidth(Width());
        band->ArrangeChildren();
    }
    updateDimensions();
}

}  // namespace lumaro
