#include "script/library/color_constants.h"

#include "core/text.h"

namespace lumaro {

namespace {
// The basic colours (blue in the high byte), with clNone and clDefault.
constexpr ColorConstant kColors[] = {
    {"clBlack", 0x000000}, {"clMaroon", 0x000080},   {"clGreen", 0x008000},     {"clOlive", 0x008080},
    {"clNavy", 0x800000},  {"clPurple", 0x800080},   {"clTeal", 0x808000},      {"clGray", 0x808080},
    {"clSilver", 0xC0C0C0}, {"clRed", 0x0000FF},     {"clLime", 0x00FF00},      {"clYellow", 0x00FFFF},
    {"clBlue", 0xFF0000},  {"clFuchsia", 0xFF00FF},  {"clAqua", 0xFFFF00},      {"clWhite", 0xFFFFFF},
    {"clNone", 0x1FFFFFFF}, {"clDefault", 0x20000000},
};
}  // namespace

std::span<const ColorConstant> colorConstants() { return kColors; }

std::optional<int32_t> findColorConstant(std::string_view name) {
    for (const ColorConstant& c : kColors)
        if (sameText(c.name, name)) return c.value;
    return std::nullopt;
}

}  // namespace lumaro
