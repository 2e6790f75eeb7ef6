#pragma once
// One host function of a script library: the declaration text scripts see, the category the
// designer groups it under, and the handler that does the work. Handlers take the actual
// parameters in order and may replace by-reference parameters in place; the interpreter
// writes those back into the script's variables after the call.
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/variant.h"

namespace lumaro {

using LibraryHandler = Variant (*)(std::vector<Variant>& params);

struct LibraryFunction {
    const char* category;
    const char* declaration;
    LibraryHandler handler;
};

// The name a declaration text declares: "function IntToStr(i: Integer): String" gives
// "IntToStr"; a macro prefix ("macrofunction") is allowed.
std::string_view declaredName(std::string_view declaration);

// Handlers of one library looked up by the upper-case function name, as the library's
// single callback receives it.
class FunctionTable {
public:
    FunctionTable(std::initializer_list<std::span<const LibraryFunction>> parts);
    const LibraryFunction* find(std::string_view upperName) const;
    // Runs the handler; an unknown name raises Exception "Unknown function <name>".
    Variant call(std::string_view upperName, std::vector<Variant>& params) const;
    // Every function in registration order.
    const std::vector<const LibraryFunction*>& functions() const { return order_; }

private:
    // Looked up by string_view without building a string on every call.
    struct NameHash {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    std::unordered_map<std::string, const LibraryFunction*, NameHash, std::equal_to<>> byName_;
    std::vector<const LibraryFunction*> order_;
};

// Parameter access for handlers: a missing parameter reads as an unassigned Variant, and a
// by-reference parameter that is missing is appended so that the handler can store into it.
const Variant& arg(const std::vector<Variant>& params, size_t index);
Variant& refArg(std::vector<Variant>& params, size_t index);

}  // namespace lumaro
