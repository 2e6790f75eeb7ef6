#pragma once
// Reading the declaration texts of host functions:
//   [macro]function Name(a, b: Integer; var s: String; const c: Variant = 0): ResultType
//   [macro]procedure Name[(parameters)]
#include <string>
#include <vector>

#include "core/variant.h"

namespace lumaro {

class TfsScript;

struct TfsDeclaredParam {
    std::string name;
    std::string typeName;  // empty: Variant
    bool byRef = false;
    bool optional = false;
    Variant defValue = Variant::null();
};

struct TfsDeclaration {
    std::string name;
    bool isMacro = false;
    bool isFunction = false;
    std::string resultType;  // the identifier after the last ':' of a function
    std::vector<TfsDeclaredParam> params;
};

// Defaults may be numbers, strings, negative numbers or names of constants and variables
// registered in `script` (Null when unknown).
TfsDeclaration fsParseDeclaration(const std::string& text, const TfsScript* script);

}  // namespace lumaro
