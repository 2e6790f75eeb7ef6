// Members of TObject, TPersistent, TList, TCollection and TComponent.
#include <functional>
#include <memory>

#include "core/error.h"
#include "core/stream.h"
#include "core/text.h"
#include "script/library/collection.h"
#include "script/library/component.h"
#include "script/library/general_members.h"
#include "script/library/library_function.h"
#include "script/library/object_list.h"
#include "script/library/script_objects.h"
#include "script/library/string_list.h"
#include "script/xml/fs_xml.h"

namespace lumaro {
namespace {

const Variant& p(MemberCall& c, size_t i) { return arg(c.params, i); }
Variant ref(Object* o) { return Variant(o); }

// Classes that "constructor Create" of TObject can make, by the class the script named.
Variant createObject(MemberCall& c) {
    using Factory = std::function<std::unique_ptr<Object>()>;
    static const std::unordered_map<std::string, Factory> kFactories = {
        {"TOBJECT", [] { return std::make_unique<Object>(); }},
        {"TPERSISTENT", [] { return std::make_unique<TPersistent>(); }},
        {"TLIST", [] { return std::make_unique<TList>(); }},
        {"TSTRINGS", [] { return std::make_unique<TStrings>(); }},
        {"TSTRINGLIST", [] { return std::make_unique<TStringList>(); }},
        {"TCOLLECTION", [] { return std::make_unique<TCollection>(); }},
        {"TMEMORYSTREAM", [] { return std::make_unique<MemoryStream>(); }},
        {"TFSXMLITEM", [] { return std::make_unique<TfsXMLItem>(); }},
        {"TFSXMLDOCUMENT", [] { return std::make_unique<TfsXMLDocument>(); }},
    };
    const std::string name = calledClassName(c);
    const auto it = kFactories.find(upperCase(name));
    if (it == kFactories.end()) throw Exception("Cannot create an object of class " + name + " in a script");
    return ref(ScriptObjects::instance().adopt(it->second()));
}

// A component owned by a component of this library is freed with its owner; any other
// component belongs to the script objects.
Variant createComponent(MemberCall& c) {
    const std::string name = calledClassName(c);
    if (!sameText(name, "TComponent")) throw Exception("Cannot create an object of class " + name + " in a script");
    if (auto* owner = dynamic_cast<TComponent*>(objectOf(p(c, 0)))) return ref(new TComponent(owner));
    return ref(ScriptObjects::instance().adopt(std::make_unique<TComponent>()));
}

Variant className(MemberCall& c) {
    if (dynamic_cast<TfsClassVariable*>(c.instance)) return calledClassName(c);
    if (auto* persistent = dynamic_cast<TPersistent*>(c.instance)) return persistent->ClassName();
    if (c.instance)
        if (const TfsClassVariable* cls = fsGlobalUnit().FindClassOf(c.instance)) return cls->Name();
    return c.declaringClass;
}

const MemberHandlerRow kRows[] = {
    {"TOBJECT.CREATE", createObject},
    {"TOBJECT.FREE", [](MemberCall& c) { freeScriptObject(c.instance); return Variant(); }},
    {"TOBJECT.CLASSNAME", className},
    {"TPERSISTENT.ASSIGN",
     [](MemberCall& c) {
         self<TPersistent>(c, "Assign").Assign(dynamic_cast<TPersistent*>(objectOf(p(c, 0))));
         return Variant();
     }},

    {"TLIST.ADD", [](MemberCall& c) { return Variant(self<TList>(c, "Add").Add(objectOf(p(c, 0)))); }},
    {"TLIST.DELETE", [](MemberCall& c) { self<TList>(c, "Delete").Delete(p(c, 0).toInt()); return Variant(); }},
    {"TLIST.INDEXOF", [](MemberCall& c) { return Variant(self<TList>(c, "IndexOf").IndexOf(objectOf(p(c, 0)))); }},
    {"TLIST.INSERT",
     [](MemberCall& c) {
         self<TList>(c, "Insert").Insert(p(c, 0).toInt(), objectOf(p(c, 1)));
         return Variant();
     }},
    {"TLIST.REMOVE", [](MemberCall& c) { return Variant(self<TList>(c, "Remove").Remove(objectOf(p(c, 0)))); }},
    {"TLIST.CLEAR", [](MemberCall& c) { self<TList>(c, "Clear").Clear(); return Variant(); }},
    {"TLIST.COUNT.GET", [](MemberCall& c) { return Variant(self<TList>(c, "Count").Count()); }},
    {"TLIST.ITEMS.GET", [](MemberCall& c) { return ref(self<TList>(c, "Items").Get(p(c, 0).toInt())); }},
    {"TLIST.ITEMS.SET",
     [](MemberCall& c) {
         self<TList>(c, "Items").Put(p(c, 0).toInt(), objectOf(p(c, 1)));
         return Variant();
     }},

    {"TCOLLECTION.CLEAR", [](MemberCall& c) { self<TCollection>(c, "Clear").Clear(); return Variant(); }},
    {"TCOLLECTION.COUNT.GET", [](MemberCall& c) { return Variant(self<TCollection>(c, "Count").Count()); }},
    {"TCOLLECTION.ITEMS.GET",
     [](MemberCall& c) { return ref(self<TCollection>(c, "Items").Items(p(c, 0).toInt())); }},

    {"TCOMPONENT.CREATE", createComponent},
    {"TCOMPONENT.OWNER.GET", [](MemberCall& c) { return ref(self<TComponent>(c, "Owner").Owner()); }},
    {"TCOMPONENT.NAME.GET", [](MemberCall& c) { return Variant(self<TComponent>(c, "Name").Name); }},
    {"TCOMPONENT.NAME.SET",
     [](MemberCall& c) { self<TComponent>(c, "Name").Name = p(c, 0).toString(); return Variant(); }},
    {"TCOMPONENT.TAG.GET", [](MemberCall& c) { return Variant(self<TComponent>(c, "Tag").Tag); }},
    {"TCOMPONENT.TAG.SET", [](MemberCall& c) { self<TComponent>(c, "Tag").Tag = p(c, 0).toInt(); return Variant(); }},
};

}  // namespace

std::span<const MemberHandlerRow> objectMembers() { return kRows; }

}  // namespace lumaro
