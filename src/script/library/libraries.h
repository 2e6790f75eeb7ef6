#pragma once
// The libraries that fill the global script, each registering its items with itself as the
// added-by owner (see standard_libraries.cpp).
#include <span>

#include "script/script.h"

namespace lumaro {

void registerSystemFunctions(TfsScript& script);
void registerGeneralClasses(TfsScript& script);
void registerGraphicsClasses(TfsScript& script);
void registerFormClasses(TfsScript& script);
void registerDialogClasses(TfsScript& script);

// One row per library; the address of a row is the library's added-by owner, so that
// ClearItems(row) removes exactly what it registered.
struct ScriptLibrary {
    const char* name;
    void (*registerIn)(TfsScript& script);
};
std::span<const ScriptLibrary> standardLibraries();

}  // namespace lumaro
