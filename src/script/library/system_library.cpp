// Registration of the system functions and the Variant type-code constants. Every function
// shares one callback that looks the handler up by the upper-case name.
#include "script/items/class_variable.h"
#include "script/library/libraries.h"
#include "script/library/system_functions.h"

namespace lumaro {

void registerSystemFunctions(TfsScript& script) {
    for (const NamedValue& c : variantTypeConstants()) script.AddConst(c.name, "Integer", c.value);
    const TfsCallMethod callback = [](Object*, TfsClassVariable*, const std::string& name, std::vector<Variant>& params) {
        return systemFunctions().call(name, params);
    };
    for (const LibraryFunction* f : systemFunctions().functions()) script.AddMethod(f->declaration, callback, f->category);
}

}  // namespace lumaro
