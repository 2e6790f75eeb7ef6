// Members of TStrings and TStringList.
#include "script/library/general_members.h"
#include "script/library/library_function.h"
#include "script/library/string_list.h"

namespace lumaro {
namespace {

const Variant& p(MemberCall& c, size_t i) { return arg(c.params, i); }
std::string text(MemberCall& c, size_t i) { return arg(c.params, i).toString(); }
TStrings& strings(MemberCall& c, const char* member) { return self<TStrings>(c, member); }
TStringList& list(MemberCall& c, const char* member) { return self<TStringList>(c, member); }

const MemberHandlerRow kRows[] = {
    {"TSTRINGS.ADD", [](MemberCall& c) { return Variant(strings(c, "Add").Add(text(c, 0))); }},
    {"TSTRINGS.ADDOBJECT",
     [](MemberCall& c) { return Variant(strings(c, "AddObject").AddObject(text(c, 0), objectOf(p(c, 1)))); }},
    {"TSTRINGS.CLEAR", [](MemberCall& c) { strings(c, "Clear").Clear(); return Variant(); }},
    {"TSTRINGS.DELETE", [](MemberCall& c) { strings(c, "Delete").Delete(p(c, 0).toInt()); return Variant(); }},
    {"TSTRINGS.INSERT",
     [](MemberCall& c) { strings(c, "Insert").Insert(p(c, 0).toInt(), text(c, 1)); return Variant(); }},
    {"TSTRINGS.INDEXOF", [](MemberCall& c) { return Variant(strings(c, "IndexOf").IndexOf(text(c, 0))); }},
    {"TSTRINGS.INDEXOFNAME",
     [](MemberCall& c) { return Variant(strings(c, "IndexOfName").IndexOfName(text(c, 0))); }},
    {"TSTRINGS.LOADFROMFILE",
     [](MemberCall& c) { strings(c, "LoadFromFile").LoadFromFile(text(c, 0)); return Variant(); }},
    {"TSTRINGS.SAVETOFILE",
     [](MemberCall& c) { strings(c, "SaveToFile").SaveToFile(text(c, 0)); return Variant(); }},
    {"TSTRINGS.COUNT.GET", [](MemberCall& c) { return Variant(strings(c, "Count").Count()); }},
    {"TSTRINGS.COMMATEXT.GET", [](MemberCall& c) { return Variant(strings(c, "CommaText").CommaText()); }},
    {"TSTRINGS.COMMATEXT.SET",
     [](MemberCall& c) { strings(c, "CommaText").SetCommaText(text(c, 0)); return Variant(); }},
    {"TSTRINGS.TEXT.GET", [](MemberCall& c) { return Variant(strings(c, "Text").Text()); }},
    {"TSTRINGS.TEXT.SET", [](MemberCall& c) { strings(c, "Text").SetText(text(c, 0)); return Variant(); }},
    {"TSTRINGS.NAMES.GET", [](MemberCall& c) { return Variant(strings(c, "Names").Name(p(c, 0).toInt())); }},
    {"TSTRINGS.VALUES.GET", [](MemberCall& c) { return Variant(strings(c, "Values").Value(text(c, 0))); }},
    {"TSTRINGS.VALUES.SET",
     [](MemberCall& c) { strings(c, "Values").SetValue(text(c, 0), text(c, 1)); return Variant(); }},
    {"TSTRINGS.OBJECTS.GET",
     [](MemberCall& c) { return Variant(strings(c, "Objects").GetObject(p(c, 0).toInt())); }},
    {"TSTRINGS.OBJECTS.SET",
     [](MemberCall& c) { strings(c, "Objects").PutObject(p(c, 0).toInt(), objectOf(p(c, 1))); return Variant(); }},
    {"TSTRINGS.STRINGS.GET", [](MemberCall& c) { return Variant(strings(c, "Strings").Get(p(c, 0).toInt())); }},
    {"TSTRINGS.STRINGS.SET",
     [](MemberCall& c) { strings(c, "Strings").Put(p(c, 0).toInt(), text(c, 1)); return Variant(); }},

    {"TSTRINGLIST.FIND",
     [](MemberCall& c) {
         int index = 0;
         const bool found = list(c, "Find").Find(text(c, 0), index);
         refArg(c.params, 1) = index;
         return Variant(found);
     }},
    {"TSTRINGLIST.SORT", [](MemberCall& c) { list(c, "Sort").Sort(); return Variant(); }},
    {"TSTRINGLIST.SORTED.GET", [](MemberCall& c) { return Variant(list(c, "Sorted").Sorted()); }},
    {"TSTRINGLIST.SORTED.SET", [](MemberCall& c) { list(c, "Sorted").SetSorted(p(c, 0).toBool()); return Variant(); }},
    {"TSTRINGLIST.DUPLICATES.GET",
     [](MemberCall& c) { return Variant(static_cast<int>(list(c, "Duplicates").Duplicates())); }},
    {"TSTRINGLIST.DUPLICATES.SET",
     [](MemberCall& c) {
         const int d = p(c, 0).toInt();
         if (d < 0 || d > 2) throw Exception("TStringList.Duplicates: " + std::to_string(d) + " is not a TDuplicates value");
         list(c, "Duplicates").SetDuplicates(static_cast<TDuplicates>(d));
         return Variant();
     }},
};

}  // namespace

std::span<const MemberHandlerRow> stringListMembers() { return kRows; }

}  // namespace lumaro
