#pragma once
// FormatMaskText: a value laid out by an edit mask.
#include <string>
#include <string_view>

#include "core/format_settings.h"

namespace lumaro {

// The mask is "mask[;save[;blank]]": the separators count only among the last four
// characters. In the mask "0", "9", "#", "L", "l", "A", "a", "C", "c" are places for the
// value's characters, "!" fills from the right, ">" and "<" (case directives) and field
// separators take no place, "\" makes the next character a literal, ":" and "/" give the
// locale's time and date separators, "_" a blank, and any other character is a literal.
// A save field of "0" means the value holds only the characters for the places: the
// literals are inserted between them. Otherwise the value holds the literals too: each
// stretch between two literals is padded to its places. Places without a character become
// blanks; characters beyond the mask are kept.
std::string formatMaskText(std::string_view mask, std::string_view value, const FormatSettings& fs = formatSettings());

}  // namespace lumaro
