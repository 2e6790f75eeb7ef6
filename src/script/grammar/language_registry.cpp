// The language registry: first registration of a name wins.
#include "script/grammar/language_registry.h"

#include <utility>

#include "core/error.h"
#include "core/text.h"

namespace lumaro {

namespace {

struct Entry {
    std::string name;
    std::string grammar;
};

std::vector<Entry>& entries() {
    // The standard languages are registered when the list is first used, so no static
    // initialisation order matters.
    static std::vector<Entry> list = [] {
        std::vector<Entry> l;
        l.push_back({"PascalScript", PascalScriptGrammar()});
        l.push_back({"C++Script", CppScriptGrammar()});
        l.push_back({"BasicScript", BasicScriptGrammar()});
        l.push_back({"JScript", JScriptGrammar()});
        return l;
    }();
    return list;
}

const Entry* find(const std::string& name) {
    for (const auto& e : entries())
        if (sameText(e.name, name)) return &e;
    return nullptr;
}

}  // namespace

void RegisterLanguage(const std::string& name, const std::string& grammar) {
    if (!find(name)) entries().push_back({name, grammar});
}

const std::string& LanguageGrammar(const std::string& name) {
    if (const Entry* e = find(name)) return e->grammar;
    throw Exception("Jezik '" + name + "' ni najden");
}

bool LanguageExists(const std::string& name) { return find(name) != nullptr; }

std::vector<std::string> LanguageNames() {
    std::vector<std::string> names;
    for (const auto& e : entries()) names.push_back(e.name);
    return names;
}

}  // namespace lumaro
