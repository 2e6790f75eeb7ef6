#include "report/script/published_properties.h"

#include "core/error.h"
#include "report/registry/class_registry.h"
#include "report/registry/prop_access.h"

namespace lumaro {

namespace {

// The instance as an object of `cls`; raises a run-time error naming the property otherwise.
TfrxPersistent& instanceOf(Object* instance, const ClassInfo& cls, const std::string& propName) {
    auto* p = dynamic_cast<TfrxPersistent*>(instance);
    if (!p)
        throw Exception(cls.name + "." + propName + ": " +
                        (instance ? "the object is not a " : "the object is nil, not a ") + cls.name);
    if (!p->classInfo().InheritsFrom(cls))
        throw Exception(cls.name + "." + propName + ": the object is a " + p->ClassName() + ", not a " + cls.name);
    return *p;
}

// A set written by a script may be a set constructor ([ftLeft, ftTop]): an array of element
// constants, each the bit of its element.
Variant setValue(const Variant& value) {
    if (!value.isArray()) return value;
    int64_t mask = 0;
    for (const Variant& e : value.arrayData().items) mask |= e.toInt64();
    return static_cast<int>(mask);
}

}  // namespace

bool scriptPropertyKind(const PropInfo& prop, TfsVarType& kind, std::string& typeName) {
    typeName.clear();
    switch (prop.kind) {
        case PropKind::Boolean:
        case PropKind::Enumeration:
            if (prop.enumType && prop.enumType->name != "Boolean") {
                kind = fvtEnum;
                typeName = prop.enumType->name;
            } else {
                kind = fvtBool;
            }
            return true;
        case PropKind::Set:
            kind = fvtEnum;
            if (prop.enumType) typeName = prop.enumType->name + "s";
            return true;
        case PropKind::Float: kind = fvtFloat; return true;
        case PropKind::String:
        case PropKind::Lines:
        case PropKind::Event: kind = fvtString; return true;
        case PropKind::Integer:
        case PropKind::Color: kind = fvtInt; return true;
        case PropKind::Variant: kind = fvtVariant; return true;
        case PropKind::Reference:
        case PropKind::Object:
            kind = fvtClass;
            typeName = prop.targetClass ? prop.targetClass().name : std::string("TObject");
            return true;
        case PropKind::Callback: return false;
    }
    return false;
}

std::vector<TfsPublishedProperty> publishedProperties(const std::string& className) {
    std::vector<TfsPublishedProperty> out;
    const ClassInfo* cls = findClassInfo(className);
    if (!cls) return out;
    for (const PropInfo& prop : cls->props) {
        if (cls->parent && cls->parent->FindProp(prop.name)) continue;  // inherited
        TfsPublishedProperty p;
        if (!scriptPropertyKind(prop, p.kind, p.typeName)) continue;
        p.name = prop.name;
        // The instance's own table gives the accessors: a subclass may redeclare them.
        p.get = [cls, name = prop.name](Object* instance, TfsClassVariable*, const std::string&) {
            const TfrxPersistent& obj = instanceOf(instance, *cls, name);
            return GetPropValue(obj, RequireProp(obj, name));
        };
        if (!prop.readOnly() && prop.kind != PropKind::Object)
            p.set = [cls, name = prop.name](Object* instance, TfsClassVariable*, const std::string&,
                                            const Variant& value) {
                TfrxPersistent& obj = instanceOf(instance, *cls, name);
                const PropInfo& info = RequireProp(obj, name);
                SetPropValue(obj, info, info.kind == PropKind::Set ? setValue(value) : value);
            };
        out.push_back(std::move(p));
    }
    return out;
}

}  // namespace lumaro
