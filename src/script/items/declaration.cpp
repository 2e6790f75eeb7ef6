#include "script/items/declaration.h"

#include <cctype>

#include "core/number_text.h"
#include "core/text.h"
#include "script/script.h"

namespace lumaro {

namespace {

// A default value text: 'string', a number (also negative) or a registered name.
Variant defaultValue(const std::string& text, const TfsScript* script) {
    const std::string t = trim(text);
    if (t.size() >= 2 && t.front() == '\'' && t.back() == '\'') return Variant(t.substr(1, t.size() - 2));
    if (auto i = tryStrToInt(t)) return Variant(*i);
    if (auto d = tryStrToFloatSep(t, ".")) return Variant(*d);
    if (script)
        if (TfsCustomVariable* item = script->FindItem(t)) return item->GetValue();
    return Variant::null();
}

std::vector<std::string> split(const std::string& s, char sep) {
    std::vector<std::string> out;
    std::string cur;
    bool quoted = false;
    for (char c : s) {
        if (c == '\'') quoted = !quoted;
        if (c == sep && !quoted) {
            out.push_back(cur);
            cur.clear();
        } else {
            cur += c;
        }
    }
    out.push_back(cur);
    return out;
}

// The first word of `s` (letters, digits, '_') and what follows it.
std::string firstWord(std::string s, std::string* rest) {
    size_t i = 0;
    while (i < s.size() && static_cast<unsigned char>(s[i]) <= ' ') ++i;
    size_t j = i;
    while (j < s.size() && (std::isalnum(static_cast<unsigned char>(s[j])) || s[j] == '_')) ++j;
    if (rest) *rest = s.substr(j);
    return s.substr(i, j - i);
}

}  // namespace

TfsDeclaration fsParseDeclaration(const std::string& text, const TfsScript* script) {
    TfsDeclaration d;
    std::string rest;
    std::string keyword = lowerCase(firstWord(text, &rest));
    if (keyword.rfind("macro", 0) == 0) {
        d.isMacro = true;
        keyword = keyword.substr(5);
    }
    d.isFunction = keyword == "function";
    d.name = firstWord(rest, &rest);

    std::string params;
    const size_t open = rest.find('(');
    size_t afterParams = 0;
    if (open != std::string::npos) {
        const size_t close = rest.find(')', open);
        params = rest.substr(open + 1, (close == std::string::npos ? rest.size() : close) - open - 1);
        afterParams = close == std::string::npos ? rest.size() : close + 1;
    }
    if (d.isFunction) {
        const size_t colon = rest.rfind(':');
        if (colon != std::string::npos && colon >= afterParams) d.resultType = trim(rest.substr(colon + 1));
    }
    if (trim(params).empty()) return d;

    for (const std::string& group : split(params, ';')) {
        std::string g = trim(group);
        bool byRef = false;
        std::string after;
        const std::string lead = lowerCase(firstWord(g, &after));
        if (lead == "var" || lead == "const") {
            byRef = lead == "var";
            g = trim(after);
        }
        std::string names = g, typeName, def;
        bool hasDefault = false;
        const size_t eq = g.find('=');
        if (eq != std::string::npos) {
            def = g.substr(eq + 1);
            hasDefault = true;
            names = g.substr(0, eq);
        }
        const size_t colon = names.find(':');
        if (colon != std::string::npos) {
            typeName = trim(names.substr(colon + 1));
            names = names.substr(0, colon);
        }
        for (const std::string& n : split(names, ',')) {
            TfsDeclaredParam p;
            p.name = trim(n);
            if (p.name.empty()) continue;
            p.typeName = typeName;
            p.byRef = byRef;
            if (hasDefault) {
                p.optional = true;
                p.defValue = defaultValue(def, script);
            }
            d.params.push_back(std::move(p));
        }
    }
    return d;
}

}  // namespace lumaro
