#include "report/views/bracket_expansion.h"

#include "report/views/view.h"

namespace lumaro {

std::string expandBracketedText(TfrxView&, const std::string& text) { return text; }

std::optional<Variant> calcViewExpression(TfrxView&, const std::string&) { return std::nullopt; }

}  // namespace lumaro
