#pragma once
// The named colours that scripts see as constants and that text layout accepts in font tags
// ("clRed", "clNone", ...), as platform colour values (0x00BBGGRR). One table for both.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace lumaro {

struct ColorConstant {
    const char* name;
    int32_t value;
};

std::span<const ColorConstant> colorConstants();

// The value of the colour constant `name` ("clRed", letter case ignored); none for any other name.
std::optional<int32_t> findColorConstant(std::string_view name);

}  // namespace lumaro
