#pragma once
// Message texts of the program builder and the interpreter.
#include <string>
#include <string_view>

namespace lumaro {

inline const std::string kUndeclaredIdentifier = "Nenaveden identifikator: ";
inline const std::string kIdentifierRedeclared = "Ponovna navedba identifikatorja: ";
inline const std::string kUnknownType = "Neznani tip: ";
inline const char* const kIncompatibleTypes = "Nezdružjivi tipi";
inline const char* const kClassTypeRequired = "Zahtevani Class type";
inline const char* const kIndexRequired = "Zahtevani Index";
inline const char* const kStringHasNoMembers = "Niz nima lastnosti ali načina";
inline const char* const kClassHasNoDefaultProperty = "Class %s nima privzete lastnosti";
inline const char* const kArrayTypeRequired = "Zahtevani Array type";
inline const char* const kVariableRequired = "Zahtevana spremenljivka";
inline const char* const kNotEnoughParameters = "Ni dovolj aktualnih parametrov";
inline const char* const kTooManyParameters = "Preveč aktualnih parametrov";
inline const char* const kLeftSideCannotBeAssigned = "Leva stran ne more biti dodeljena";
inline const char* const kForVariableMustBeNumeric = "Spremenljivka v For zanki mora biti numerična";
inline const char* const kEventHandlerMustBeProcedure = "Event handler mora biti procedura";
// Run-time errors with the platform's messages.
inline const char* const kArrayIndexOutOfBounds = "Variant array index out of bounds";
inline const char* const kStringIndexOutOfRange = "Range check error";
inline const char* const kStackOverflow = "Stack overflow";

// A name between single quotes, as messages show it.
inline std::string quoted(std::string_view name) { return "'" + std::string(name) + "'"; }

}  // namespace lumaro
