#include "script/items/type_kinds.h"

#include "core/text.h"

namespace lumaro {

std::string TypeKindText(TfsVarType kind, std::string_view typeName) {
    static const char* const kNames[] = {"Integer", "Boolean", "Extended", "Char",    "String",
                                         "Class ",  "Array",   "Variant",  nullptr,   "Constructor"};
    if (kind == fvtClass) return std::string("Class ") + std::string(typeName);
    if (kind == fvtEnum || kind > fvtConstructor) return std::string(typeName);
    return kNames[kind];
}

namespace {
constexpr uint16_t bit(TfsVarType k) { return static_cast<uint16_t>(1u << k); }

// Value kinds each target kind accepts without further checks (Class and Enum add a
// name rule below).
constexpr uint16_t kAccepts[] = {
    /* Integer */ bit(fvtInt) | bit(fvtFloat) | bit(fvtVariant) | bit(fvtEnum),
    /* Boolean */ bit(fvtBool) | bit(fvtVariant),
    /* Float */ bit(fvtInt) | bit(fvtFloat) | bit(fvtVariant),
    /* Char */ bit(fvtChar) | bit(fvtString) | bit(fvtVariant),
    /* String */ bit(fvtChar) | bit(fvtString) | bit(fvtVariant),
    /* Class */ bit(fvtVariant),
    /* Array */ bit(fvtArray) | bit(fvtVariant),
    /* Variant */ 0x3FF,
    /* Enum */ bit(fvtInt) | bit(fvtVariant),
    /* Constructor */ 0,
};
}  // namespace

bool TypesCompatible(TfsVarType targetKind, std::string_view targetName, TfsVarType valueKind,
                     std::string_view valueName, const TfsClassInherits& inherits, bool assignment) {
    if (targetKind > fvtConstructor || valueKind > fvtConstructor) return false;
    if (assignment && targetKind == fvtInt && valueKind == fvtFloat) return false;
    if (kAccepts[targetKind] & bit(valueKind)) return true;
    if (targetKind == fvtClass && valueKind == fvtClass)
        return sameText(valueName, targetName) || (inherits && inherits(valueName, targetName));
    if (targetKind == fvtEnum && valueKind == fvtEnum) return sameText(valueName, targetName);
    return false;
}

}  // namespace lumaro
