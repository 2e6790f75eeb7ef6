// Registration of the built-in libraries in the global script. fsGlobalUnit (script.h) calls
// this once after the base types; each library registers its items here, with itself as the
// added-by owner.
#include "script/script.h"

namespace lumaro {

void fsRegisterStandardLibraries(TfsScript& global) { (void)global; }

}  // namespace lumaro
