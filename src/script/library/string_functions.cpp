// ctString: text functions. Positions and lengths count characters, 1-based.
#include "core/string_functions.h"

#include <algorithm>

#include "core/text.h"
#include "script/library/system_functions.h"

namespace lumaro {
namespace {

std::string text(const std::vector<Variant>& p, size_t i) { return arg(p, i).toString(); }
int integer(const std::vector<Variant>& p, size_t i) { return arg(p, i).toInt(); }

Variant lengthFn(std::vector<Variant>& p) {
    const Variant& v = arg(p, 0);
    if (v.isArray()) return v.arrayHigh(0) - v.arrayLow(0) + 1;
    return static_cast<int>(utf8Length(v.toString()));
}
Variant copyFn(std::vector<Variant>& p) { return copyText(text(p, 0), integer(p, 1), integer(p, 2)); }
Variant posFn(std::vector<Variant>& p) { return posText(text(p, 0), text(p, 1)); }
Variant deleteFn(std::vector<Variant>& p) {
    std::string s = text(p, 0);
    deleteText(s, integer(p, 1), integer(p, 2));
    refArg(p, 0) = std::move(s);
    return {};
}
Variant insertFn(std::vector<Variant>& p) {
    std::string s = text(p, 1);
    insertText(text(p, 0), s, integer(p, 2));
    refArg(p, 1) = std::move(s);
    return {};
}
Variant uppercaseFn(std::vector<Variant>& p) { return upperCase(text(p, 0)); }
Variant lowercaseFn(std::vector<Variant>& p) { return lowerCase(text(p, 0)); }
Variant trimFn(std::vector<Variant>& p) { return trim(text(p, 0)); }
Variant nameCaseFn(std::vector<Variant>& p) { return nameCase(text(p, 0)); }
Variant compareTextFn(std::vector<Variant>& p) { return compareText(text(p, 0), text(p, 1)); }
Variant chrFn(std::vector<Variant>& p) { return chr(integer(p, 0)); }
Variant ordFn(std::vector<Variant>& p) { return ord(text(p, 0)); }

// An array keeps its elements and gets L - 1 as the high bound of its first dimension (an
// array counted from 0 then holds L elements); anything else is taken as text and cut or
// padded with blanks to L characters.
Variant setLengthFn(std::vector<Variant>& p) {
    Variant& v = refArg(p, 0);
    const int length = std::max(0, integer(p, 1));
    if (v.isArray()) {
        VariantArray& a = v.arrayData();
        size_t inner = 1;
        for (size_t k = 1; k < a.bounds.size(); ++k)
            inner *= static_cast<size_t>(a.bounds[k].second - a.bounds[k].first + 1);
        a.bounds[0].second = std::max(length - 1, a.bounds[0].first - 1);
        a.items.resize(inner * static_cast<size_t>(a.bounds[0].second - a.bounds[0].first + 1));
        return {};
    }
    std::string s = v.toString();
    const size_t have = utf8Length(s);
    if (have > static_cast<size_t>(length)) s.resize(utf8Offset(s, static_cast<size_t>(length)));
    else s.append(static_cast<size_t>(length) - have, ' ');
    v = std::move(s);
    return {};
}

const LibraryFunction kFunctions[] = {
    {"ctString", "function Length(s: Variant): Integer", lengthFn},
    {"ctString", "function Copy(s: String; from, count: Integer): String", copyFn},
    {"ctString", "function Pos(substr, s: String): Integer", posFn},
    {"ctString", "procedure Delete(var s: String; from, count: Integer)", deleteFn},
    {"ctString", "procedure Insert(s: String; var s2: String; pos: Integer)", insertFn},
    {"ctString", "function Uppercase(s: String): String", uppercaseFn},
    {"ctString", "function Lowercase(s: String): String", lowercaseFn},
    {"ctString", "function Trim(s: String): String", trimFn},
    {"ctString", "function NameCase(s: String): String", nameCaseFn},
    {"ctString", "function CompareText(s, s1: String): Integer", compareTextFn},
    {"ctString", "function Chr(i: Integer): Char", chrFn},
    {"ctString", "function Ord(ch: Char): Integer", ordFn},
    {"ctString", "procedure SetLength(var S: Variant; L: Integer)", setLengthFn},
};

}  // namespace

std::span<const LibraryFunction> stringFunctions() { return kFunctions; }

}  // namespace lumaro
