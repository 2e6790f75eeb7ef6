// The process-wide global script: base types, the constants True, False, nil and Null, and
// the standard libraries.
#include "script/script.h"

namespace lumaro {

namespace {

struct BaseType {
    const char* name;
    TfsVarType kind;
};

constexpr BaseType kBaseTypes[] = {
    {"Byte", fvtInt},        {"Word", fvtInt},          {"Integer", fvtInt},    {"Longint", fvtInt},
    {"Cardinal", fvtInt},    {"TColor", fvtInt},        {"Boolean", fvtBool},   {"Real", fvtFloat},
    {"Single", fvtFloat},    {"Double", fvtFloat},      {"Extended", fvtFloat}, {"Currency", fvtFloat},
    {"TDate", fvtFloat},     {"TTime", fvtFloat},       {"TDateTime", fvtFloat}, {"Char", fvtChar},
    {"String", fvtString},   {"Variant", fvtVariant},   {"Pointer", fvtVariant}, {"Array", fvtArray},
    {"Constructor", fvtConstructor},
};

std::unique_ptr<TfsScript> makeGlobal() {
    auto global = std::make_unique<TfsScript>();
    for (const BaseType& t : kBaseTypes) global->AddType(t.name, t.kind);
    global->AddConst("True", "Boolean", Variant(true));
    global->AddConst("False", "Boolean", Variant(false));
    global->AddConst("nil", "Variant", Variant(0));
    global->AddConst("Null", "Variant", Variant::null());
    return global;
}

}  // namespace

TfsScript& fsGlobalUnit() {
    static std::unique_ptr<TfsScript> global = [] {
        auto g = makeGlobal();
        fsRegisterStandardLibraries(*g);
        return g;
    }();
    return *global;
}

}  // namespace lumaro
