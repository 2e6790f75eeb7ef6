#pragma once
// The process-wide list of script languages: a name and the grammar text (XML) that
// describes the language. The four standard languages are registered on first use.
#include <string>
#include <string_view>
#include <vector>

namespace lumaro {

// Adds a language unless one of that name (compared without regard to case) is present.
void RegisterLanguage(const std::string& name, const std::string& grammar);
// The grammar text of a language; raises Exception("Jezik '<name>' ni najden") when unknown.
const std::string& LanguageGrammar(const std::string& name);
bool LanguageExists(const std::string& name);
// Every registered name, in registration order.
std::vector<std::string> LanguageNames();

// Grammar texts of the standard languages.
std::string PascalScriptGrammar();
std::string CppScriptGrammar();
std::string BasicScriptGrammar();
std::string JScriptGrammar();
// Rules that C++Script and JScript share: expressions, designators and the structured
// statements (a grammar fragment without the root element).
std::string CFamilyRules();
// Rules that all four languages share (expressions, sets, array dimensions, initial values),
// and the designator rule with the language's address-of marker (an element text).
std::string ExpressionRules();
std::string DesignatorRule(std::string_view addressMarker);
// The factor rule with the language's not-operator element and, when `withNew`, the "new"
// object constructor among the alternatives.
std::string FactorRule(std::string_view notMarker, bool withNew);
// The comparison operators of PascalScript and BasicScript (=, <>, <, >, <=, >=, IS), with IN
// when `withIn`.
std::string PascalStyleRelopRule(bool withIn);

}  // namespace lumaro
