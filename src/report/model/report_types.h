#pragma once
// Enumerations and sets of the report object model with the element names that templates
// and scripts use. A set is an int whose bit n stands for element n.
#include "report/registry/class_info.h"

namespace lumaro {

// Placement of a view inside its band or page.
enum TfrxAlign { baNone, baLeft, baRight, baCenter, baWidth, baBottom, baClient };
enum TfrxShiftMode { smDontShift, smAlways, smWhenOverlapped };
enum TfrxStretchMode { smDontStretch, smActualHeight, smMaxHeight };
enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
enum TfrxFrameStyle { fsSolid, fsDash, fsDot, fsDashDot, fsDashDotDot, fsDouble };
// Elements of the frame's Typ set.
enum TfrxFrameType { ftLeft, ftRight, ftTop, ftBottom };
// Elements of Restrictions.
enum TfrxRestriction { rfDontModify, rfDontSize, rfDontMove, rfDontDelete };
enum TFontPitch { fpDefault, fpVariable, fpFixed };
enum TfrxShapeKind { skRectangle, skRoundRectangle, skEllipse, skTriangle, skDiamond, skDiagonal1, skDiagonal2 };
enum TfrxHAlign { haLeft, haRight, haCenter, haBlock };
enum TfrxVAlign { vaTop, vaBottom, vaCenter };
enum TfrxFormatKind { fkText, fkNumeric, fkDateTime, fkBoolean };
enum TPrinterOrientation { poPortrait, poLandscape };
enum TfrxDuplexMode { dmNone, dmVertical, dmHorizontal, dmSimplex };
enum TfrxPrintPages { ppAll, ppOdd, ppEven };
enum TfrxZoomMode { zmDefault, zmWholePage, zmPageWidth, zmManyPages };
// Elements of PreviewOptions.Buttons.
enum TfrxPreviewButton { pbPrint, pbLoad, pbSave, pbExport, pbZoom, pbFind, pbOutline, pbPageSetup, pbTools, pbEdit, pbNavigator };
enum TfrxRangeBegin { rbFirst, rbCurrent };
// What a progress notification is about.
enum TfrxProgressType { ptRunning, ptExporting, ptPrinting };
enum TfrxRangeEnd { reLast, reCurrent, reCount };

inline constexpr int setBit(int element) { return 1 << element; }
inline constexpr bool inSet(int set, int element) { return (set >> element) & 1; }

extern const EnumType kAlignType;
extern const EnumType kShiftModeType;
extern const EnumType kStretchModeType;
extern const EnumType kBrushStyleType;
extern const EnumType kFrameStyleType;
extern const EnumType kFrameTypeType;
extern const EnumType kRestrictionType;
extern const EnumType kFontStyleType;  // fsBold, fsItalic, fsUnderline, fsStrikeOut (gfx FontStyleBits)
extern const EnumType kFontPitchType;
extern const EnumType kShapeKindType;
extern const EnumType kHAlignType;
extern const EnumType kVAlignType;
extern const EnumType kFormatKindType;
extern const EnumType kOrientationType;
extern const EnumType kDuplexModeType;
extern const EnumType kPrintPagesType;
extern const EnumType kZoomModeType;
extern const EnumType kPreviewButtonType;
extern const EnumType kRangeBeginType;
extern const EnumType kRangeEndType;
// The barcode symbologies in ordinal order (bcCode_2_5_interleaved ... bcCodeEAN128C, then
// bcCode128 and bcCodeEAN128), read from the barcode engine's table.
extern const EnumType kBarcodeTypeType;
// Field kinds of data sets (dataset.h TfrxFieldType) and the font styles of dot-matrix text
// objects; no property stores them, scripts know them.
extern const EnumType kFieldTypeType;
extern const EnumType kDMPFontStyleType;

}  // namespace lumaro
