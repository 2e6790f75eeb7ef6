#pragma once
// Classes and enumeration types known to the object model, found by name without regard to
// case. Template files create objects only from the registered template classes; scripts
// and the object inspector may see every class that has a property table.
#include <string_view>
#include <vector>

#include "report/registry/class_info.h"

namespace lumaro {

// Adds a class (and the enumeration types its properties use). `templateClass`: the class
// may appear as an element tag in a template and is created from there.
void registerClass(const ClassInfo& info, bool templateClass);
// An enumeration or set element type that no property uses (script constants).
void registerEnumType(const EnumType& type);

// A class that templates may name; null when it is not registered as such.
const ClassInfo* findTemplateClass(std::string_view name);
// Any class with a property table (abstract bases and property objects too); null if unknown.
const ClassInfo* findClassInfo(std::string_view name);
std::vector<const ClassInfo*> allClasses();

const EnumType* findEnumType(std::string_view name);
std::vector<const EnumType*> allEnumTypes();

// Registers the classes of the report object model (and their palette entries,
// object_palette.h); ensureReportClasses calls it once, and every lookup above calls that.
void registerReportClasses();
void ensureReportClasses();

}  // namespace lumaro
