#pragma once
// Member handlers of the general classes, one table per group of classes.
#include <span>

#include "script/library/class_table.h"

namespace lumaro {

std::span<const MemberHandlerRow> objectMembers();      // TObject, TPersistent, TList, TCollection, TComponent
std::span<const MemberHandlerRow> stringListMembers();  // TStrings, TStringList
std::span<const MemberHandlerRow> streamMembers();      // TStream, TFileStream, TMemoryStream
std::span<const MemberHandlerRow> xmlMembers();         // TfsXMLItem, TfsXMLDocument

}  // namespace lumaro
