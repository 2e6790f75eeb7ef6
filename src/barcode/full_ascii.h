#pragma once
// Full ASCII for Code 39 and Code 93: every character below 128 as one or two characters of
// the symbology's own set.
#include <string>
#include <string_view>

namespace lumaro::barcode {

// Characters from 128 up are dropped. `shifts` names the four shift characters in the order
// "$", "%", "/", "+" ("$%/+" for Code 39; Code 93 has its own shift symbols).
std::string toFullAscii(std::string_view text, std::string_view shifts);

}  // namespace lumaro::barcode
