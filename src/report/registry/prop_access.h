#pragma once
// Reading and writing properties through the registry, with Variants: the access path of
// the script engine's host classes and of the object inspector.
#include <cstdint>
#include <string_view>

#include "core/variant.h"
#include "report/registry/class_info.h"
#include "report/registry/persistent.h"

namespace lumaro {

// Ordinal kinds give Integer (Boolean gives Boolean), Float gives Double, String and Event
// give String, Reference and Object give an object reference (nullptr when none), Lines give
// the lines joined with CR LF, Callback gives Empty.
Variant GetPropValue(const TfrxPersistent& obj, const PropInfo& prop);
// Enumerations accept an element name or an ordinal; Lines accept a text split at line
// breaks. Raises EConvertError "Invalid property value" for read-only properties, values
// out of range and objects of the wrong class.
void SetPropValue(TfrxPersistent& obj, const PropInfo& prop, const Variant& value);

// By name (without regard to case); raise EConvertError "Unknown property: Name".
const PropInfo& RequireProp(const TfrxPersistent& obj, std::string_view name);
Variant GetPropValue(const TfrxPersistent& obj, std::string_view name);
void SetPropValue(TfrxPersistent& obj, std::string_view name, const Variant& value);

// Whether two objects of classes that share `prop` hold the same value in it, as their
// stored forms would show: ordinals, floats (NaN equal to NaN), texts and lines by value,
// Variants by their text, references by the referenced component's name. Nested objects and
// callbacks count as equal (nested objects are compared property by property).
bool samePropValue(const TfrxPersistent& a, const TfrxPersistent& b, const PropInfo& prop);

// Sets an ordinal property after checking the value: an enumeration or Boolean value must be
// one of its ordinals; a set keeps only the bits of its elements. Raises EConvertError
// "Invalid property value" otherwise.
void setOrdinalChecked(TfrxPersistent& obj, const PropInfo& prop, int64_t value);

}  // namespace lumaro
