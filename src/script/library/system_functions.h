#pragma once
// The system library of the script engine: conversion, formatting, date, string, mathematics
// and other functions with the declaration texts scripts see, and the Variant type-code
// constants ("varEmpty" ... "varByRef").
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/variant.h"
#include "script/library/library_function.h"

namespace lumaro {

// Every system function, looked up by upper-case name.
const FunctionTable& systemFunctions();
// Shorthand for systemFunctions().call(upperName, params).
Variant callSystemFunction(std::string_view upperName, std::vector<Variant>& params);

// The categories' parts of the table (one file each).
std::span<const LibraryFunction> conversionFunctions();   // ctConv, ctFormat
std::span<const LibraryFunction> dateFunctions();         // ctDate
std::span<const LibraryFunction> stringFunctions();       // ctString
std::span<const LibraryFunction> mathFunctions();         // ctMath
std::span<const LibraryFunction> otherFunctions();        // ctOther

struct NamedValue {
    const char* name;
    int value;
};
// The Variant type codes of the platform, registered as Integer constants.
std::span<const NamedValue> variantTypeConstants();
// The type code of a value as VarType reports it.
int variantTypeCode(const Variant& v);

// ShowMessage hands its text to this hook. Without one (the command line) the text is written
// to standard output as one line; the application installs a message box.
void setShowMessageHook(std::function<void(const std::string&)> hook);
void showMessage(const std::string& text);

}  // namespace lumaro
