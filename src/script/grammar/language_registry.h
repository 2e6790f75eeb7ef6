#pragma once
// The process-wide list of script languages: a name and the grammar text (XML) that
// describes the language. The four standard languages are registered on first use.
#include <string>
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

}  // namespace lumaro
