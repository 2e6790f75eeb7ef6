#pragma once
// Helpers for the XML tests: documents from and to strings, and a compact dump of a tree.
#include <string>

#include "core/stream.h"
#include "report/xml/xml_document.h"

namespace lumaro::testing {

// name{text}(child,child...) with the braces only for a non-empty text and the parentheses
// only for children.
inline std::string dump(const TfrxXMLItem& item) {
    std::string s = item.Name();
    if (!item.Text().empty()) s += "{" + item.Text() + "}";
    if (item.Count() > 0) {
        s += "(";
        for (int i = 0; i < item.Count(); ++i) {
            if (i) s += ",";
            s += dump(*item.Items(i));
        }
        s += ")";
    }
    return s;
}

inline void loadString(TfrxXMLDocument& doc, const std::string& text) {
    MemoryStream m(text);
    doc.LoadFromStream(m);
}

inline std::string saveString(TfrxXMLDocument& doc) {
    MemoryStream m;
    doc.SaveToStream(m);
    return m.data();
}

}  // namespace lumaro::testing
