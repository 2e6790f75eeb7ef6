// Registration of the system functions and the Variant type-code constants. Each function's
// callback calls its handler directly, so a call does not look the name up again.
#include "script/items/class_variable.h"
#include "script/library/libraries.h"
#include "script/library/system_functions.h"

namespace lumaro {

void registerSystemFunctions(TfsScript& script) {
    for (const NamedValue& c : variantTypeConstants()) script.AddConst(c.name, "Integer", c.value);
    for (const LibraryFunction* f : systemFunctions().functions()) {
        const auto handler = f->handler;
        script.AddMethod(
            f->declaration,
            [handler](Object*, TfsClassVariable*, const std::string&, std::vector<Variant>& params) {
                return handler(params);
            },
            f->category);
    }
}

}  // namespace lumaro
