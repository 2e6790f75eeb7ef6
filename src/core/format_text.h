#pragma once
// Format: the platform's printf-like formatting of a list of values.
#include <span>
#include <string>
#include <string_view>

#include "core/format_settings.h"
#include "core/variant.h"

namespace lumaro {

// Each "%" [index ":"] ["-"] [width] ["." precision] type takes the next value (or the one at
// index; later ones continue after it); "*" for index, width or precision takes an integer value.
// Types: d (integer), u (unsigned 32-bit), x (hexadecimal, upper case), e (scientific, 15
// digits), f (fixed, 2 decimals), g (general, 15 digits), n (fixed with thousand separators),
// m (money with the currency settings), p (object reference), s (text; the precision cuts
// it). "%%" gives "%". Width and precision count characters (code points); widths and the
// minimum digits of integers stop at 4096.
// Integers (8, 16, 32-bit values) suit d, u and x; single, double, currency and date values
// e, f, g, n and m; text s; other values (Null, unassigned) only s. Anything else raises
// EConvertError "Format '%s' invalid or incompatible with argument", a missing value
// "No argument for format '%s'" (with the first 31 characters of the format).
std::string format(std::string_view fmt, std::span<const Variant> args, const FormatSettings& fs = formatSettings());

}  // namespace lumaro
