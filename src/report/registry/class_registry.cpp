#include "report/registry/class_registry.h"

#include <mutex>
#include <string>
#include <unordered_map>

namespace lumaro {

namespace {

std::string foldAscii(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

struct ClassEntry {
    const ClassInfo* info = nullptr;
    bool templateClass = false;
};

struct Registry {
    std::unordered_map<std::string, ClassEntry> classes;
    std::vector<const ClassInfo*> classOrder;
    std::unordered_map<std::string, const EnumType*> enums;
    std::vector<const EnumType*> enumOrder;
};

Registry& registry() {
    static Registry r;
    return r;
}

void addEnum(const EnumType& type) {
    Registry& r = registry();
    if (r.enums.emplace(foldAscii(type.name), &type).second) r.enumOrder.push_back(&type);
}

}  // namespace

void ensureReportClasses() {
    static std::once_flag once;
    std::call_once(once, registerReportClasses);
}

void registerClass(const ClassInfo& info, bool templateClass) {
    Registry& r = registry();
    ClassEntry& e = r.classes[foldAscii(info.name)];
    if (!e.info) r.classOrder.push_back(&info);
    e.info = &info;
    e.templateClass = e.templateClass || templateClass;
    for (const PropInfo& p : info.props)
        if (p.enumType) addEnum(*p.enumType);
}

void registerEnumType(const EnumType& type) { addEnum(type); }

const ClassInfo* findTemplateClass(std::string_view name) {
    ensureReportClasses();
    const auto& m = registry().classes;
    const auto it = m.find(foldAscii(name));
    return it != m.end() && it->second.templateClass ? it->second.info : nullptr;
}

const ClassInfo* findClassInfo(std::string_view name) {
    ensureReportClasses();
    const auto& m = registry().classes;
    const auto it = m.find(foldAscii(name));
    return it != m.end() ? it->second.info : nullptr;
}

std::vector<const ClassInfo*> allClasses() {
    ensureReportClasses();
    return registry().classOrder;
}

const EnumType* findEnumType(std::string_view name) {
    ensureReportClasses();
    const auto& m = registry().enums;
    const auto it = m.find(foldAscii(name));
    return it != m.end() ? it->second : nullptr;
}

std::vector<const EnumType*> allEnumTypes() {
    ensureReportClasses();
    return registry().enumOrder;
}

}  // namespace lumaro
