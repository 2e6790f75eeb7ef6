#include "script/library/library_function.h"

#include <cctype>

#include "core/error.h"
#include "core/text.h"

namespace lumaro {

std::string_view declaredName(std::string_view d) {
    auto skipBlanks = [&](size_t i) {
        while (i < d.size() && std::isspace(static_cast<unsigned char>(d[i]))) ++i;
        return i;
    };
    size_t i = skipBlanks(0);
    while (i < d.size() && std::isalpha(static_cast<unsigned char>(d[i]))) ++i;  // function / procedure
    i = skipBlanks(i);
    size_t start = i;
    while (i < d.size() && (std::isalnum(static_cast<unsigned char>(d[i])) || d[i] == '_')) ++i;
    return d.substr(start, i - start);
}

FunctionTable::FunctionTable(std::initializer_list<std::span<const LibraryFunction>> parts) {
    for (auto part : parts)
        for (const auto& f : part) {
            byName_.emplace(upperCase(declaredName(f.declaration)), &f);
            order_.push_back(&f);
        }
}

const LibraryFunction* FunctionTable::find(std::string_view upperName) const {
    auto it = byName_.find(upperName);
    return it == byName_.end() ? nullptr : it->second;
}

Variant FunctionTable::call(std::string_view upperName, std::vector<Variant>& params) const {
    const LibraryFunction* f = find(upperName);
    if (!f) throw Exception("Unknown function " + std::string(upperName));
    return f->handler(params);
}

const Variant& arg(const std::vector<Variant>& params, size_t index) {
    static const Variant unassigned;
    return index < params.size() ? params[index] : unassigned;
}

Variant& refArg(std::vector<Variant>& params, size_t index) {
    if (index >= params.size()) params.resize(index + 1);
    return params[index];
}

}  // namespace lumaro
