#include "report/registry/prop_access.h"

#include <cmath>
#include <string>

#include "core/error.h"
#include "core/number_text.h"
#include "core/text.h"

namespace lumaro {

namespace {

[[noreturn]] void invalidValue() { throw EConvertError("Invalid property value"); }

int64_t ordinalFromVariant(const PropInfo& prop, const Variant& v) {
    if (prop.kind == PropKind::Enumeration && v.isString()) {
        const int i = prop.enumType->indexOf(trim(v.rawString()));
        if (i >= 0) return i;
        if (auto n = tryStrToInt64(v.rawString())) return *n;
        invalidValue();
    }
    if (prop.kind == PropKind::Boolean) return v.toBool() ? 1 : 0;
    return v.toInt64();
}

std::string referencedName(const Object* o) {
    const auto* p = dynamic_cast<const TfrxPersistent*>(o);
    if (!p) return {};
    // A reference is written as the component's name.
    const PropInfo* name = p->classInfo().FindProp("Name");
    return name && name->getString ? name->getString(*p) : std::string();
}

}  // namespace

bool samePropValue(const TfrxPersistent& a, const TfrxPersistent& b, const PropInfo& prop) {
    switch (prop.kind) {
        case PropKind::Integer:
        case PropKind::Color:
        case PropKind::Set:
        case PropKind::Boolean:
        case PropKind::Enumeration:
            return prop.getOrd(a) == prop.getOrd(b);
        case PropKind::Float: {
            const double x = prop.getFloat(a), y = prop.getFloat(b);
            return x == y || (std::isnan(x) && std::isnan(y));
        }
        case PropKind::String:
        case PropKind::Event:
            return prop.getString(a) == prop.getString(b);
        case PropKind::Variant:
            return prop.getVariant(a).toString() == prop.getVariant(b).toString();
        case PropKind::Reference: {
            const Object* x = prop.getRef(a);
            const Object* y = prop.getRef(b);
            return x == y || referencedName(x) == referencedName(y);
        }
        case PropKind::Lines:
            return prop.getLines(a) == prop.getLines(b);
        case PropKind::Object:
        case PropKind::Callback:
            return true;
    }
    return true;
}

void setOrdinalChecked(TfrxPersistent& obj, const PropInfo& prop, int64_t value) {
    if (!prop.setOrd) invalidValue();
    switch (prop.kind) {
        case PropKind::Boolean:
        case PropKind::Enumeration:
            if (value < 0 || value >= prop.enumType->count()) invalidValue();
            break;
        case PropKind::Set:
            value &= (int64_t{1} << prop.enumType->count()) - 1;
            break;
        case PropKind::Integer:
        case PropKind::Color:
            if (value < INT32_MIN || value > INT32_MAX) invalidValue();
            break;
        default:
            invalidValue();
    }
    prop.setOrd(obj, value);
}

Variant GetPropValue(const TfrxPersistent& obj, const PropInfo& prop) {
    switch (prop.kind) {
        case PropKind::Integer:
        case PropKind::Enumeration:
        case PropKind::Set:
        case PropKind::Color:
            return Variant(static_cast<int>(prop.getOrd(obj)));
        case PropKind::Boolean:
            return Variant(prop.getOrd(obj) != 0);
        case PropKind::Float:
            return Variant(prop.getFloat(obj));
        case PropKind::String:
        case PropKind::Event:
            return Variant(prop.getString(obj));
        case PropKind::Variant:
            return prop.getVariant(obj);
        case PropKind::Reference:
            return Variant(prop.getRef(obj));
        case PropKind::Lines:
            return Variant(joinLines(prop.getLines(obj)));
        case PropKind::Object:
            return Variant(static_cast<Object*>(const_cast<TfrxPersistent*>(prop.nested(obj))));
        case PropKind::Callback:
            break;
    }
    return Variant();
}

void SetPropValue(TfrxPersistent& obj, const PropInfo& prop, const Variant& value) {
    if (prop.readOnly()) invalidValue();
    switch (prop.kind) {
        case PropKind::Integer:
        case PropKind::Enumeration:
        case PropKind::Set:
        case PropKind::Color:
        case PropKind::Boolean:
            setOrdinalChecked(obj, prop, ordinalFromVariant(prop, value));
            return;
        case PropKind::Float:
            prop.setFloat(obj, value.toDouble());
            return;
        case PropKind::String:
        case PropKind::Event:
            prop.setString(obj, value.toString());
            return;
        case PropKind::Variant:
            prop.setVariant(obj, value);
            return;
        case PropKind::Reference:
            prop.setRef(obj, value.isEmptyOrNull() ? nullptr : value.toObject());
            return;
        case PropKind::Lines:
            prop.setLines(obj, splitLines(value.toString()));
            return;
        case PropKind::Object:
        case PropKind::Callback:
            break;
    }
    invalidValue();
}

const PropInfo& RequireProp(const TfrxPersistent& obj, std::string_view name) {
    const PropInfo* p = obj.classInfo().FindProp(name);
    if (!p) throw EConvertError("Unknown property: " + std::string(name));
    return *p;
}

Variant GetPropValue(const TfrxPersistent& obj, std::string_view name) {
    return GetPropValue(obj, RequireProp(obj, name));
}

void SetPropValue(TfrxPersistent& obj, std::string_view name, const Variant& value) {
    SetPropValue(obj, RequireProp(obj, name), value);
}

}  // namespace lumaro
