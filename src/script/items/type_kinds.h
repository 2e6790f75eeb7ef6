#pragma once
// Static type kinds of script items and the compatibility rule that assignments and
// expression operands are checked with when a program is built.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace lumaro {

// One small integer per item; the values are stable (0..9).
enum TfsVarType : uint8_t {
    fvtInt = 0,
    fvtBool = 1,
    fvtFloat = 2,
    fvtChar = 3,
    fvtString = 4,
    fvtClass = 5,
    fvtArray = 6,
    fvtVariant = 7,
    fvtEnum = 8,
    fvtConstructor = 9,
};

// Name of a type as messages show it: "Integer", "Boolean", "Extended", "Char", "String",
// "Class " + class name, "Array", "Variant", the enumeration's own name, "Constructor".
std::string TypeKindText(TfsVarType kind, std::string_view typeName);

// Answers whether the registered class `derived` is `base` or inherits from it
// (names compared without regard to case). The script's class registry supplies it.
using TfsClassInherits = std::function<bool(std::string_view derived, std::string_view base)>;

// Whether a value of (valueKind, valueName) may stand where (targetKind, targetName) is
// expected. `assignment` adds the rule that an Integer target refuses a Float value.
// Without `inherits` two classes are compatible only when their names are the same.
bool TypesCompatible(TfsVarType targetKind, std::string_view targetName, TfsVarType valueKind,
                     std::string_view valueName, const TfsClassInherits& inherits = {},
                     bool assignment = false);

}  // namespace lumaro
