#include "report/registry/class_info.h"

#include <algorithm>

#include "core/error.h"
#include "core/text.h"
#include "report/registry/class_builder.h"
#include "report/registry/persistent.h"

namespace lumaro {

namespace {

// Lower-cases ASCII letters into `buf`; false when the name does not fit.
bool foldName(std::string_view s, char* buf, size_t cap, std::string_view& out) {
    if (s.size() > cap) return false;
    for (size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        buf[i] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    out = std::string_view(buf, s.size());
    return true;
}

}  // namespace

const char* propKindName(PropKind kind) {
    static const char* const names[] = {"Integer", "Float",     "String", "Boolean", "Enumeration",
                                        "Set",     "Color",     "Variant", "Reference", "Lines",
                                        "Object",  "Event",     "Callback"};
    return names[static_cast<int>(kind)];
}

int EnumType::indexOf(std::string_view elementName) const {
    for (size_t i = 0; i < elements.size(); ++i)
        if (sameText(elements[i], elementName)) return static_cast<int>(i);
    return -1;
}

bool PropInfo::isOrdinal() const {
    switch (kind) {
        case PropKind::Integer:
        case PropKind::Boolean:
        case PropKind::Enumeration:
        case PropKind::Set:
        case PropKind::Color:
            return true;
        default:
            return false;
    }
}

bool PropInfo::readOnly() const {
    switch (kind) {
        case PropKind::Float: return !setFloat;
        case PropKind::String:
        case PropKind::Event: return !setString;
        case PropKind::Variant: return !setVariant;
        case PropKind::Reference: return !setRef;
        case PropKind::Lines: return !setLines;
        case PropKind::Object:
        case PropKind::Callback: return true;
        default: return !setOrd;
    }
}

const TfrxPersistent* PropInfo::nested(const TfrxPersistent& obj) const {
    // Getting a nested object does not change its holder.
    return getObject ? getObject(const_cast<TfrxPersistent&>(obj)) : nullptr;
}

bool ClassInfo::InheritsFrom(const ClassInfo& other) const {
    for (const ClassInfo* c = this; c; c = c->parent)
        if (c == &other) return true;
    return false;
}

void ClassInfo::buildIndex() {
    nameIndex.clear();
    nameIndex.reserve(props.size());
    for (const PropInfo& p : props) {
        std::string key = p.name;
        for (char& c : key)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        nameIndex.emplace_back(std::move(key), p.index);
    }
    std::sort(nameIndex.begin(), nameIndex.end());
}

const PropInfo* ClassInfo::FindProp(std::string_view propName) const {
    char buf[64];
    std::string_view key;
    if (!foldName(propName, buf, sizeof buf, key)) return nullptr;
    const auto it = std::lower_bound(nameIndex.begin(), nameIndex.end(), key,
                                     [](const std::pair<std::string, int>& e, std::string_view k) { return e.first < k; });
    if (it == nameIndex.end() || it->first != key) return nullptr;
    return &props[static_cast<size_t>(it->second)];
}

std::string defaultBaseName(std::string_view className) {
    std::string s(className);
    if (s.rfind("Tfrx", 0) == 0) s.erase(0, 4);
    for (const char* part : {"View", "Band"}) {
        const size_t at = s.find(part);
        if (at != std::string::npos) s.erase(at, 4);
    }
    return s;
}

const EnumType& booleanEnumType() {
    static const EnumType t{"Boolean", {"False", "True"}};
    return t;
}

namespace registry_detail {
void wrongReferenceClass() { throw EConvertError("Invalid property value"); }
}  // namespace registry_detail

}  // namespace lumaro
