// Members of the script engine's XML tree, TfsXMLItem and TfsXMLDocument.
#include "script/library/general_members.h"
#include "script/library/library_function.h"
#include "script/library/persistent.h"
#include "script/xml/fs_xml.h"

namespace lumaro {
namespace {

std::string text(MemberCall& c, size_t i) { return arg(c.params, i).toString(); }
TfsXMLItem& item(MemberCall& c, const char* member) { return self<TfsXMLItem>(c, member); }
TfsXMLDocument& doc(MemberCall& c, const char* member) { return self<TfsXMLDocument>(c, member); }
Variant ref(Object* o) { return Variant(o); }

Variant itemAt(MemberCall& c) {
    TfsXMLItem& x = item(c, "Items");
    const int i = arg(c.params, 0).toInt();
    if (i < 0 || i >= x.Count()) throw EListError(listIndexError(i));
    return ref(x.Items(i));
}

const MemberHandlerRow kRows[] = {
    {"TFSXMLITEM.ADD", [](MemberCall& c) { return ref(item(c, "Add").Add()); }},
    {"TFSXMLITEM.FINDITEM", [](MemberCall& c) { return ref(item(c, "FindItem").FindItem(text(c, 0))); }},
    {"TFSXMLITEM.PROP", [](MemberCall& c) { return Variant(item(c, "Prop").Prop(text(c, 0))); }},
    {"TFSXMLITEM.SETPROP",
     [](MemberCall& c) { item(c, "SetProp").SetProp(text(c, 0), text(c, 1)); return Variant(); }},
    {"TFSXMLITEM.NAME.GET", [](MemberCall& c) { return Variant(item(c, "Name").Name()); }},
    {"TFSXMLITEM.NAME.SET", [](MemberCall& c) { item(c, "Name").SetName(text(c, 0)); return Variant(); }},
    {"TFSXMLITEM.PARENT.GET", [](MemberCall& c) { return ref(item(c, "Parent").Parent()); }},
    {"TFSXMLITEM.COUNT.GET", [](MemberCall& c) { return Variant(item(c, "Count").Count()); }},
    {"TFSXMLITEM.ITEMS.GET", itemAt},
    {"TFSXMLDOCUMENT.ROOT.GET", [](MemberCall& c) { return ref(doc(c, "Root").Root()); }},
    {"TFSXMLDOCUMENT.SAVETOFILE",
     [](MemberCall& c) { doc(c, "SaveToFile").SaveToFile(text(c, 0)); return Variant(); }},
    {"TFSXMLDOCUMENT.LOADFROMFILE",
     [](MemberCall& c) { doc(c, "LoadFromFile").LoadFromFile(text(c, 0)); return Variant(); }},
};

}  // namespace

std::span<const MemberHandlerRow> xmlMembers() { return kRows; }

}  // namespace lumaro
