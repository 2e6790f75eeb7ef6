#pragma once
// The published properties of the object model's classes as the script engine sees them:
// one script property per property of the class's registry table, read and written through
// the registry on the instance.
//
// Kinds: an enumeration named "Boolean" is Boolean; other enumerations are Enum with the
// enumeration's name, sets are Enum with the set's name (element type name plus "s", as
// "TfrxFrameTypes"); floats are Float; strings are String; colours and integers are Integer;
// variants are Variant; references and nested objects (Font, Frame, ...) are Class with the
// target class's name and read as the object reference (a nested object is read-only: its
// properties are changed through it); a list of lines is String, read as the lines joined
// with CR LF and written as a text split at line breaks; an event is String (the name of
// the script procedure); host callbacks are not visible to scripts.
#include <string>
#include <vector>

#include "report/registry/class_info.h"
#include "script/items/class_variable.h"

namespace lumaro {

// Kind and type name of a registry property for scripts; false for properties scripts do
// not see (host callbacks).
bool scriptPropertyKind(const PropInfo& prop, TfsVarType& kind, std::string& typeName);

// The properties a class declares beyond those of its registry parent (the script class
// inherits the others from its ancestor); empty for a name the registry does not know.
// Reading or writing checks that the instance is of that class and raises a run-time error
// naming "Class.Property" otherwise.
std::vector<TfsPublishedProperty> publishedProperties(const std::string& className);

}  // namespace lumaro
