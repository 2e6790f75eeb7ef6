#pragma once
// Host classes of a library described as tables: one row per class with its ancestor and
// its member declarations, and one handler per member keyed by "CLASS.MEMBER" (upper case;
// properties with ".GET"/".SET"). Registration turns the rows into script classes whose
// members all reach the library's handler table; a member without a handler raises the
// library's "not available" error when a script calls it.
//
// Member declarations:
//   "constructor Create(AOwner: TComponent)"       a constructor
//   "function Add(const S: string): Integer"       a method (also "procedure ...")
//   "property Count: Integer readonly"             a property ("readonly" without setter)
//   "property Strings[Integer]: String default"    an indexed property (index types in
//                                                  brackets; "default" makes it the default)
//   "event OnClick: TfsNotifyEvent"                an event with its adapter class
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "core/error.h"
#include "core/variant.h"
#include "script/items/class_variable.h"
#include "script/script.h"

namespace lumaro {

struct ClassRow {
    std::string name;
    std::string ancestor;
    TfsIsInstance isInstance;  // empty: no host object is an instance (classes without a host)
    std::vector<std::string> members;
};

// Instances of the host class T (and of classes derived from it).
template <class T>
TfsIsInstance instanceOf() {
    return [](const Object* o) { return o && dynamic_cast<const T*>(o) != nullptr; };
}

// One call of a member: the instance (nullptr for calls on the class itself), the script
// class the call came through, the class that declares the member (as in the table) and the
// parameters (for ".SET" the new value is the last one).
struct MemberCall {
    Object* instance;
    TfsClassVariable* cls;
    const std::string& declaringClass;
    std::vector<Variant>& params;
};
using MemberHandler = Variant (*)(MemberCall& call);
struct MemberHandlerRow {
    const char* key;  // "TSTRINGS.ADD", "TSTRINGS.TEXT.GET", "TSTRINGS.STRINGS.SET"
    MemberHandler handler;
};

// What a script sees when it calls a member that has no handler: the error to raise, given
// the member as "Class.Member".
using UnavailableMember = std::function<void(const std::string& member)>;

struct ClassLibrary {
    std::vector<std::span<const MemberHandlerRow>> handlers;
    UnavailableMember unavailable;
};

// Registers the classes in order (ancestors first). A class that the script chain holds
// already (such as "TObject") receives the members. Raises Exception for a malformed member
// declaration or an unknown event adapter, which are faults of the table.
void registerClasses(TfsScript& script, std::span<const ClassRow> classes, const ClassLibrary& library);

struct EnumRow {
    const char* typeName;
    const char* members;  // "dupIgnore, dupAccept, dupError"
    bool isSet;
};
struct ConstRow {
    const char* name;
    const char* typeName;
    Variant value;
};
void registerEnums(TfsScript& script, std::span<const EnumRow> enums);
void registerConsts(TfsScript& script, std::span<const ConstRow> consts);

// The error most stub libraries raise: "<Class.Member> is not available without a display".
void raiseNoDisplay(const std::string& member);

// The class a constructor or class method was called on ("TStringList.Create"): the class
// reference given as the instance, or for a call without instance the class the interpreter
// passes; otherwise the class that declares the member.
std::string calledClassName(const MemberCall& call);

// An object parameter: nil (the integer 0), unassigned and Null give nullptr.
Object* objectOf(const Variant& v);

// The instance a member works on, as the host class it must be; raises a run-time error
// naming the member when the instance is nil or of another class.
template <class T>
T& self(const MemberCall& call, const char* member) {
    if (auto* t = dynamic_cast<T*>(call.instance)) return *t;
    throw Exception(call.declaringClass + "." + member +
                    (call.instance ? ": the object is not a " : ": the object is nil, not a ") + call.declaringClass);
}

}  // namespace lumaro
