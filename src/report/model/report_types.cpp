#include "report/model/report_types.h"

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
const EnumType kBarcodeTypeType{
    "TfrxBarcodeType",
    {"bcCode_2_5_interleaved", "bcCode_2_5_industrial", "bcCode_2_5_matrix", "bcCode39", "bcCode39Extended",
     "bcCode128A", "bcCode128B", "bcCode128C", "bcCode93", "bcCode93Extended", "bcCodeMSI", "bcCodePostNet",
     "bcCodeCodabar", "bcCodeEAN8", "bcCodeEAN13", "bcCodeUPC_A", "bcCodeUPC_E0", "bcCodeUPC_E1", "bcCodeUPC_Supp2",
     "bcCodeUPC_Supp5", "bcCodeEAN128A", "bcCodeEAN128B", "bcCodeEAN128C"}};

}  // namespace lumaro
