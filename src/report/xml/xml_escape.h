#pragma once
// Text conversions shared by every writer of the XML dialect of templates, variable lists and
// prepared reports.
#include <string>
#include <string_view>

#include "core/variant.h"

namespace lumaro {

// CR, LF, '"', '&', '<' and '>' become "&#<decimal code>;"; every other byte passes unchanged.
std::string EscapeXML(std::string_view text);
// Appends EscapeXML(text) to `out` without a temporary string.
void appendEscapedXML(std::string& out, std::string_view text);

// Replaces each "&#<number>;" by the character with that code, written as UTF-8. Named entities
// pass unchanged; a reference without a later ';' leaves the rest of the text unchanged. A
// reference that is not a number raises EConvertError ("'x' is not a valid integer value");
// a number that is no Unicode scalar value (negative, a surrogate, above U+10FFFF) gives U+FFFD.
std::string UnescapeXML(std::string_view text);

// Integers in decimal, reals and currency in the general float format, dates in the short date
// format, booleans "1"/"0", strings through EscapeXML, anything else the empty text.
std::string ValueToXML(const Variant& value);

}  // namespace lumaro
