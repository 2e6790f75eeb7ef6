#include "report/model/report_types.h"

#include "barcode/barcode_type.h"
#include "script/library/enum_names.h"

namespace lumaro {

const EnumType kAlignType{"TfrxAlign", {"baNone", "baLeft", "baRight", "baCenter", "baWidth", "baBottom", "baClient"}};
const EnumType kShiftModeType{"TfrxShiftMode", {"smDontShift", "smAlways", "smWhenOverlapped"}};
const EnumType kStretchModeType{"TfrxStretchMode", {"smDontStretch", "smActualHeight", "smMaxHeight"}};
const EnumType kBrushStyleType{"TBrushStyle", enumElementNames(kBrushStyleNames)};
const EnumType kFrameStyleType{"TfrxFrameStyle", {"fsSolid", "fsDash", "fsDot", "fsDashDot", "fsDashDotDot", "fsDouble"}};
const EnumType kFrameTypeType{"TfrxFrameType", {"ftLeft", "ftRight", "ftTop", "ftBottom"}};
const EnumType kRestrictionType{"TfrxRestriction", {"rfDontModify", "rfDontSize", "rfDontMove", "rfDontDelete"}};
const EnumType kFontStyleType{"TFontStyle", enumElementNames(kFontStyleNames)};
const EnumType kFontPitchType{"TFontPitch", enumElementNames(kFontPitchNames)};
const EnumType kShapeKindType{"TfrxShapeKind", {"skRectangle", "skRoundRectangle", "skEllipse", "skTriangle",
                                                "skDiamond", "skDiagonal1", "skDiagonal2"}};
const EnumType kHAlignType{"TfrxHAlign", {"haLeft", "haRight", "haCenter", "haBlock"}};
const EnumType kVAlignType{"TfrxVAlign", {"vaTop", "vaBottom", "vaCenter"}};
const EnumType kFormatKindType{"TfrxFormatKind", {"fkText", "fkNumeric", "fkDateTime", "fkBoolean"}};
const EnumType kOrientationType{"TPrinterOrientation", enumElementNames(kPrinterOrientationNames)};
const EnumType kDuplexModeType{"TfrxDuplexMode", {"dmNone", "dmVertical", "dmHorizontal", "dmSimplex"}};
const EnumType kPrintPagesType{"TfrxPrintPages", {"ppAll", "ppOdd", "ppEven"}};
const EnumType kZoomModeType{"TfrxZoomMode", {"zmDefault", "zmWholePage", "zmPageWidth", "zmManyPages"}};
const EnumType kPreviewButtonType{"TfrxPreviewButton", {"pbPrint", "pbLoad", "pbSave", "pbExport", "pbZoom", "pbFind",
                                                        "pbOutline", "pbPageSetup", "pbTools", "pbEdit", "pbNavigator"}};
const EnumType kRangeBeginType{"TfrxRangeBegin", {"rbFirst", "rbCurrent"}};
const EnumType kRangeEndType{"TfrxRangeEnd", {"reLast", "reCurrent", "reCount"}};
const EnumType kBarcodeTypeType{"TfrxBarcodeType", barcodeTypeNames()};
const EnumType kFieldTypeType{"TfrxFieldType", {"fftNumeric", "fftString", "fftBoolean"}};
const EnumType kDMPFontStyleType{"TfrxDMPFontStyle", {"fsxBold", "fsxItalic", "fsxUnderline", "fsxSuperScript",
                                                      "fsxSubScript", "fsxCondensed", "fsxWide", "fsx12cpi", "fsx15cpi"}};

}  // namespace lumaro
