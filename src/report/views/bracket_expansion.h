#pragma once
// Expansion of the bracketed expressions in a view's TagStr and URL.
#include <optional>
#include <string>

#include "core/variant.h"

namespace lumaro {

class TfrxView;

// `text` with each expression in square brackets replaced by the text of its value, computed
// for `view`; a text without "[" comes back unchanged.
//
// Seam: evaluating expressions (the report's Calc) and the bracket rules belong to the text
// objects, which are not built yet. Until they are, this gives every text back unchanged.
std::string expandBracketedText(TfrxView& view, const std::string& text);

}  // namespace lumaro

namespace lumaro {

// The value of `expression` computed for `view` (the barcode object's Expression).
//
// Seam: the same as above; until the report's Calc is built this gives no value, and the
// caller keeps what it had.
std::optional<Variant> calcViewExpression(TfrxView& view, const std::string& expression);

}  // namespace lumaro
