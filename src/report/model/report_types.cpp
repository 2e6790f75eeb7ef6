#include "report/model/report_types.h"

#include "barcode/barcode_type.h"

namespace lumaro {

const EnumType kAlignType{"TfrxAlign", {"baNone", "baLeft", "baRight", "baCenter", "baWidth", "baBottom", "baClient"}};
const EnumType kShiftModeType{"TfrxShiftMode", {"smDontShift", "smAlways", "smWhenOverlapped"}};
const EnumType kStretchModeType{"TfrxStretchMode", {"smDontStretch", "smActualHeight", "smMaxHeight"}};
const EnumType kBrushStyleType{"TBrushStyle", {"bsSolid", "bsClear", "bsHorizontal", "bsVertical", "bsFDiagonal",
                                               "bsBDiagonal", "bsCross", "bsDiagCross"}};
const EnumType kFrameStyleType{"TfrxFrameStyle", {"fsSolid", "fsDash", "fsDot", "fsDashDot", "fsDashDotDot", "fsDouble"}};
const EnumType kFrameTypeType{"TfrxFrameType", {"ftLeft", "ftRight", "ftTop", "ftBottom"}};
const EnumType kRestrictionType{"TfrxRestriction", {"rfDontModify", "rfDontSize", "rfDontMove", "rfDontDelete"}};
const EnumType kFontStyleType{"TFontStyle", {"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"}};
const EnumType kFontPitchType{"TFontPitch", {"fpDefault", "fpVariable", "fpFixed"}};
const EnumType kShapeKindType{"TfrxShapeKind", {"skRectangle", "skRoundRectangle", "skEllipse", "skTriangle",
                                                "skDiamond", "skDiagonal1", "skDiagonal2"}};
const EnumType kHAlignType{"TfrxHAlign", {"haLeft", "haRight", "haCenter", "haBlock"}};
const EnumType kVAlignType{"TfrxVAlign", {"vaTop", "vaBottom", "vaCenter"}};
const EnumType kFormatKindType{"TfrxFormatKind", {"fkText", "fkNumeric", "fkDateTime", "fkBoolean"}};
const EnumType kOrientationType{"TPrinterOrientation", {"poPortrait", "poLandscape"}};
const EnumType kDuplexModeType{"TfrxDuplexMode", {"dmNone", "dmVertical", "dmHorizontal", "dmSimplex"}};
const EnumType kPrintPagesType{"TfrxPrintPages", {"ppAll", "ppOdd", "ppEven"}};
const EnumType kZoomModeType{"TfrxZoomMode", {"zmDefault", "zmWholePage", "zmPageWidth", "zmManyPages"}};
const EnumType kPreviewButtonType{"TfrxPreviewButton", {"pbPrint", "pbLoad", "pbSave", "pbExport", "pbZoom", "pbFind",
                                                        "pbOutline", "pbPageSetup", "pbTools", "pbEdit", "pbNavigator"}};
const EnumType kRangeBeginType{"TfrxRangeBegin", {"rbFirst", "rbCurrent"}};
const EnumType kRangeEndType{"TfrxRangeEnd", {"reLast", "reCurrent", "reCount"}};

namespace {
// The barcode engine's table of symbologies is the one list of their names.
EnumType barcodeTypeEnum() {
    EnumType type{"TfrxBarcodeType", {}};
    for (int i = 0; i < kBarcodeTypeCount; ++i)
        type.elements.emplace_back(symbologyInfo(static_cast<TfrxBarcodeType>(i))->name);
    return type;
}
}  // namespace
const EnumType kBarcodeTypeType = barcodeTypeEnum();

}  // namespace lumaro
