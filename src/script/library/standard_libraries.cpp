// Registration of the built-in libraries in the global script. fsGlobalUnit (script.h) calls
// this once after the base types; each library registers its items with itself as the
// added-by owner.
#include "script/library/libraries.h"

namespace lumaro {

namespace {
// Event adapters are classes the other libraries name in their event declarations; they
// put nothing into the script themselves.
void registerEventAdapters(TfsScript&) {}

const ScriptLibrary kLibraries[] = {
    {"system functions", registerSystemFunctions},
    {"event adapters", registerEventAdapters},
    {"general classes", registerGeneralClasses},
    {"graphics classes", registerGraphicsClasses},
    {"form classes", registerFormClasses},
    {"dialog classes", registerDialogClasses},
};
}  // namespace

std::span<const ScriptLibrary> standardLibraries() { return kLibraries; }

void fsRegisterStandardLibraries(TfsScript& global) {
    const void* previous = global.AddedBy();
    for (const ScriptLibrary& library : kLibraries) {
        global.SetAddedBy(&library);
        library.registerIn(global);
    }
    global.SetAddedBy(previous);
}

}  // namespace lumaro
