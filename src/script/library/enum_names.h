#pragma once
// Element names of the enumerations that the script library declares and the report's object
// model stores too: one list each, which the script library registers and the report's
// property registry reads.
#include <string>
#include <string_view>
#include <vector>

namespace lumaro {

inline constexpr char kFontStyleNames[] = "fsBold, fsItalic, fsUnderline, fsStrikeOut";
inline constexpr char kFontPitchNames[] = "fpDefault, fpVariable, fpFixed";
inline constexpr char kBrushStyleNames[] =
    "bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross";
inline constexpr char kPrinterOrientationNames[] = "poPortrait, poLandscape";

// The names of a comma-separated list, blanks around them dropped, empty ones left out.
std::vector<std::string> enumElementNames(std::string_view list);

}  // namespace lumaro
