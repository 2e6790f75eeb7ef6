#pragma once
// The short names of prepared pages: each object printed on a page is stored as an element
// named by the short name of its source object ("m1", "b3") instead of its class, and the
// dictionary leads from that name to the source object (a copy of the template object in a
// source page) and to its source name, "Page" + source page index + "." + object name.
//
// Besides the name and the object, an entry keeps the source object's full stored-property
// text (the attributes the template serializer writes for it), from which printed objects are
// rebuilt before their own differences are applied.
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "report/model/name_index.h"

namespace lumaro {

class TfrxComponent;
struct ClassInfo;

struct TfrxDictionaryEntry {
    std::string name;        // the short name
    std::string sourceName;  // "Page0.Memo1"
    TfrxComponent* object = nullptr;
    // The class and the stored-property text objects are rebuilt from; the text is empty for
    // objects that are written whole on every page.
    const ClassInfo* cls = nullptr;
    std::string fullText;
};

class TfrxDictionary {
public:
    // Adds (or replaces) the entry of `name`; returns it.
    TfrxDictionaryEntry& Add(std::string_view name, std::string sourceName, TfrxComponent* object);
    // Adds an entry under a new unique name made from `base` (see UniqueName); returns it.
    TfrxDictionaryEntry& AddUnique(std::string_view base, std::string sourceName, TfrxComponent* object);
    // Null when the name is not in the dictionary (letter case ignored).
    const TfrxDictionaryEntry* Find(std::string_view name) const;
    TfrxComponent* GetObject(std::string_view name) const;
    // Empty when the name is not in the dictionary.
    std::string GetSourceName(std::string_view name) const;
    void Clear();
    int Count() const { return static_cast<int>(entries_.size()); }

    // base + N with the first free N found this way: N starts at 10000 and is halved while
    // it is above 1 and base + N is free; then N counts up from there to the first free name.
    // So an empty dictionary hands out base1, base2, ... in order.
    std::string UniqueName(std::string_view base) const;

    // The entries sorted by name (letter case ignored), as a saved file lists them.
    std::vector<const TfrxDictionaryEntry*> Sorted() const;

private:
    bool used(std::string_view name) const { return byName_.find(name) != byName_.end(); }

    std::vector<std::unique_ptr<TfrxDictionaryEntry>> entries_;
    std::unordered_map<std::string_view, TfrxDictionaryEntry*, AsciiCaseHash, AsciiCaseEqual> byName_;
};

}  // namespace lumaro
