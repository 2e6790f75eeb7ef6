// The classes of the report object model known to the registry. Template classes may appear
// as element tags in templates; the others are bases and property objects that scripts and
// the object inspector see.
#include "report/model/band.h"
#include "report/model/dataset.h"
#include "report/model/dialog_control.h"
#include "report/model/font.h"
#include "report/model/frame.h"
#include "report/model/page.h"
#include "report/model/picture.h"
#include "report/model/report.h"
#include "report/model/report_datasets.h"
#include "report/model/report_options.h"
#include "report/model/report_page.h"
#include "report/model/styles.h"
#include "report/registry/class_registry.h"
#include "report/registry/object_palette.h"
#include "report/views/barcode_view.h"
#include "report/views/line_view.h"
#include "report/views/memo_properties.h"
#include "report/views/memo_view.h"
#include "report/views/picture_view.h"
#include "report/views/shape_view.h"
#include "report/views/subreport.h"

namespace lumaro {

namespace {

using InfoFn = const ClassInfo& (*)();

// Classes that templates create by name.
constexpr InfoFn kTemplateClasses[] = {
    &TfrxChild::staticClassInfo,        &TfrxColumnFooter::staticClassInfo, &TfrxColumnHeader::staticClassInfo,
    &TfrxCustomMemoView::staticClassInfo, &TfrxMasterData::staticClassInfo, &TfrxDetailData::staticClassInfo,
    &TfrxSubdetailData::staticClassInfo, &TfrxDataBand4::staticClassInfo,   &TfrxDataBand5::staticClassInfo,
    &TfrxDataBand6::staticClassInfo,    &TfrxDialogPage::staticClassInfo,   &TfrxFooter::staticClassInfo,
    &TfrxFrame::staticClassInfo,        &TfrxGroupFooter::staticClassInfo,  &TfrxGroupHeader::staticClassInfo,
    &TfrxHeader::staticClassInfo,       &TfrxHighlight::staticClassInfo,    &TfrxLineView::staticClassInfo,
    &TfrxMemoView::staticClassInfo,     &TfrxOverlay::staticClassInfo,      &TfrxPageFooter::staticClassInfo,
    &TfrxPageHeader::staticClassInfo,   &TfrxPictureView::staticClassInfo,  &TfrxReport::staticClassInfo,
    &TfrxReportPage::staticClassInfo,   &TfrxReportSummary::staticClassInfo, &TfrxReportTitle::staticClassInfo,
    &TfrxShapeView::staticClassInfo,    &TfrxSubreport::staticClassInfo,    &TfrxSysMemoView::staticClassInfo,
    &TfrxStyleItem::staticClassInfo,    &TfrxNullBand::staticClassInfo,     &TfrxCustomLineView::staticClassInfo,
    &TfrxBarCodeView::staticClassInfo,
};

// Bases and property objects.
constexpr InfoFn kOtherClasses[] = {
    &TfrxPersistent::staticClassInfo,     &TfrxComponent::staticClassInfo,      &TfrxReportComponent::staticClassInfo,
    &TfrxView::staticClassInfo,           &TfrxStretcheable::staticClassInfo,   &TfrxBand::staticClassInfo,
    &TfrxDataBand::staticClassInfo,       &TfrxDialogComponent::staticClassInfo, &TfrxDataSet::staticClassInfo,
    &TfrxUserDataSet::staticClassInfo,    &TfrxCustomDBDataSet::staticClassInfo, &TfrxPage::staticClassInfo,
    &TfrxFont::staticClassInfo,           &TfrxPicture::staticClassInfo,        &TfrxFormat::staticClassInfo,
    &TfrxDialogControl::staticClassInfo,   &TfrxEngineOptions::staticClassInfo,  &TfrxPreviewOptions::staticClassInfo, &TfrxPrintOptions::staticClassInfo,
    &TfrxReportOptions::staticClassInfo,  &TfrxDataSetItem::staticClassInfo,
};

// Objects of the designer's palette that belong to no built-in row of its own.
struct PaletteRow {
    InfoFn classInfo;
    int imageIndex;
    const char* category;
};
constexpr PaletteRow kPalette[] = {
    {&TfrxBarCodeView::staticClassInfo, 23, "Other"},
};

}  // namespace

void registerReportClasses() {
    for (InfoFn f : kTemplateClasses) registerClass(f(), true);
    for (InfoFn f : kOtherClasses) registerClass(f(), false);
    for (const EnumType* type : {&kBarcodeTypeType, &kFieldTypeType, &kDMPFontStyleType}) registerEnumType(*type);
    for (const PaletteRow& row : kPalette) registerPaletteEntry({&row.classInfo(), row.imageIndex, row.category});
}

}  // namespace lumaro
