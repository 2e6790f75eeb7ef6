// The graphics classes. Without a display nothing draws, so every member call raises
// "<Class.Member> is not available without a display"; the classes, enumerations and colour
// constants exist so that templates using them compile.
#include "script/library/libraries.h"

#include "script/library/class_table.h"
#include "script/library/color_constants.h"
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

}  // namespace

void registerGraphicsClasses(TfsScript& script) {
    std::vector<ConstRow> colors;
    for (const ColorConstant& c : colorConstants()) colors.push_back({c.name, "TColor", c.value});
    registerConsts(script, colors);
    registerEnums(script, kEnums);
    const std::vector<ClassRow> classes = graphicsClasses();
    registerClasses(script, classes, {{}, raiseNoDisplay});
}

}  // namespace lumaro
