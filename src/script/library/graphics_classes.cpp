// The graphics classes. Without a display nothing draws, so every member call raises
// "<Class.Member> is not available without a display"; the classes, enumerations and colour
// constants exist so that templates using them compile.
#include "script/library/libraries.h"

#include "script/library/class_table.h"
#include "script/library/enum_names.h"

namespace lumaro {

namespace {

std::vector<ClassRow> graphicsClasses() {
    const std::string loadSave[] = {"procedure LoadFromFile(const Filename: string)",
                                    "procedure SaveToFile(const Filename: string)"};
    return {
        {"TFont", "TPersistent", {}, {"constructor Create"}},
        {"TPen", "TPersistent", {}, {"constructor Create"}},
        {"TBrush", "TPersistent", {}, {"constructor Create"}},
        {"TGraphic", "TPersistent", {},
         {loadSave[0], loadSave[1], "property Height: Integer", "property Width: Integer"}},
        {"TCanvas", "TPersistent", {},
         {"procedure Draw(X, Y: Integer; Graphic: TGraphic)", "procedure Ellipse(X1, Y1, X2, Y2: Integer)",
          "procedure LineTo(X, Y: Integer)", "procedure MoveTo(X, Y: Integer)",
          "procedure Rectangle(X1, Y1, X2, Y2: Integer)", "procedure RoundRect(X1, Y1, X2, Y2, X3, Y3: Integer)",
          "procedure StretchDraw(X1, Y1, X2, Y2: Integer; Graphic: TGraphic)",
          "function TextHeight(const Text: string): Integer", "procedure TextOut(X, Y: Integer; const Text: string)",
          "function TextWidth(const Text: string): Integer", "property Pixels[Integer, Integer]: TColor"}},
        {"TPicture", "TPersistent", {},
         {loadSave[0], loadSave[1], "property Graphic: TGraphic", "property Height: Integer readonly",
          "property Width: Integer readonly"}},
        {"TMetafile", "TGraphic", {}, {}},
        {"TMetafileCanvas", "TCanvas", {}, {}},
        {"TBitmap", "TGraphic", {}, {"property Canvas: TCanvas readonly"}},
    };
}

const EnumRow kEnums[] = {
    {"TFontStyles", kFontStyleNames, true},
    {"TFontPitch", kFontPitchNames, false},
    {"TPenStyle", "psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame", false},
    {"TPenMode",
     "pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMergePenNot, pmMaskPenNot, pmMergeNotPen, "
     "pmMaskNotPen, pmMerge, pmNotMerge, pmMask, pmNotMask, pmXor, pmNotXor",
     false},
    {"TBrushStyle", kBrushStyleNames, false},
};

// The basic colours as platform colour values (blue in the high byte), with clNone and clDefault.
const ConstRow kColors[] = {
    {"clBlack", "TColor", 0x000000},   {"clMaroon", "TColor", 0x000080},  {"clGreen", "TColor", 0x008000},
    {"clOlive", "TColor", 0x008080},   {"clNavy", "TColor", 0x800000},    {"clPurple", "TColor", 0x800080},
    {"clTeal", "TColor", 0x808000},    {"clGray", "TColor", 0x808080},    {"clSilver", "TColor", 0xC0C0C0},
    {"clRed", "TColor", 0x0000FF},     {"clLime", "TColor", 0x00FF00},    {"clYellow", "TColor", 0x00FFFF},
    {"clBlue", "TColor", 0xFF0000},    {"clFuchsia", "TColor", 0xFF00FF}, {"clAqua", "TColor", 0xFFFF00},
    {"clWhite", "TColor", 0xFFFFFF},   {"clNone", "TColor", 0x1FFFFFFF},  {"clDefault", "TColor", 0x20000000},
};

}  // namespace

void registerGraphicsClasses(TfsScript& script) {
    registerConsts(script, kColors);
    registerEnums(script, kEnums);
    const std::vector<ClassRow> classes = graphicsClasses();
    registerClasses(script, classes, {{}, raiseNoDisplay});
}

}  // namespace lumaro
