#pragma once
// Helpers for the object model tests: templates to and from strings.
#include <string>

#include "core/stream.h"
#include "report/model/report.h"

namespace lumaro::testing {

// A new component of class T under `parent`, with that name (none when empty).
template <class T>
T* add(TfrxComponent& parent, const char* name = "") {
    auto* c = new T();
    c->SetParent(&parent);
    if (*name) c->SetName(name);
    return c;
}

inline std::string saveTemplate(TfrxReport& report, bool saveDefaults = false) {
    MemoryStream m;
    report.SaveToStream(m, true, saveDefaults);
    return m.data();
}

inline void loadTemplate(TfrxReport& report, const std::string& text) {
    MemoryStream m(text);
    report.LoadFromStream(m);
}

// A template document around the given elements (attribute texts and children of the report).
inline std::string templateWith(const std::string& reportAttributes, const std::string& children) {
    return "<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n<TfrxReport Name=\"\"" + reportAttributes + ">" + children +
           "</TfrxReport>";
}

// The attribute text of the element with that tag (the first one), "" when absent.
inline std::string elementText(const std::string& doc, const std::string& tag) {
    const size_t at = doc.find("<" + tag + " ");
    if (at == std::string::npos) return {};
    const size_t start = at + tag.size() + 2;
    size_t end = doc.find('>', start);
    if (end != std::string::npos && doc[end - 1] == '/') --end;
    return doc.substr(start, end - start);
}

}  // namespace lumaro::testing
