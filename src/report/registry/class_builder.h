#pragma once
// Declarative construction of a class's property table. Each class writes its table once:
//
//   const ClassInfo& TfrxView::staticClassInfo() {
//       static const ClassInfo info = ClassBuilder<TfrxView>("TfrxView", &TfrxReportComponent::staticClassInfo())
//           .enumeration<&TfrxView::Align, &TfrxView::SetAlign>("Align", kAlignType, baNone)
//           .floating<&TfrxView::Left, &TfrxView::SetLeft>("Left")
//           .build();
//       return info;
//   }
//
// Getters and setters are member functions or data members of the class (or of a base), or
// functions taking the object (for a property that a subclass adds to a shared table).
// Redeclaring a property of a base class replaces its accessors, default and stored rule
// while keeping its position.
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "core/error.h"
#include "report/registry/class_info.h"
#include "report/registry/persistent.h"

namespace lumaro {

std::string defaultBaseName(std::string_view className);

namespace registry_detail {

template <class>
struct SetterArg;
template <class K, class A>
struct SetterArg<void (K::*)(A)> {
    using type = std::remove_cvref_t<A>;
};

template <class K, class A>
struct SetterArg<void (*)(K&, A)> {
    using type = std::remove_cvref_t<A>;
};

// Getters: a data member, a member function, or a function taking the object. `C` may be
// const-qualified; nested objects are reached through a non-const object.
template <auto Get, class C>
decltype(auto) read(C& o) {
    if constexpr (std::is_member_object_pointer_v<decltype(Get)>)
        return (o.*Get);
    else if constexpr (std::is_member_function_pointer_v<decltype(Get)>)
        return (o.*Get)();
    else
        return Get(o);
}

template <auto Set, class C, class V>
void write(C& o, V&& v) {
    if constexpr (std::is_member_object_pointer_v<decltype(Set)>) {
        using F = std::remove_cvref_t<decltype(o.*Set)>;
        o.*Set = static_cast<F>(std::forward<V>(v));
    } else if constexpr (std::is_member_function_pointer_v<decltype(Set)>) {
        using A = typename SetterArg<decltype(Set)>::type;
        (o.*Set)(static_cast<A>(std::forward<V>(v)));
    } else {
        using A = typename SetterArg<decltype(Set)>::type;
        Set(o, static_cast<A>(std::forward<V>(v)));
    }
}

// The address of a nested object, whether the getter yields a reference or a pointer.
template <class T>
TfrxPersistent* addressOf(T& v) {
    if constexpr (std::is_pointer_v<std::remove_cvref_t<T>>)
        return v;
    else
        return &v;
}

// Raises EConvertError: the object given to a reference property is of another class.
[[noreturn]] void wrongReferenceClass();

}  // namespace registry_detail

template <class C>
class ClassBuilder {
public:
    ClassBuilder(std::string name, const ClassInfo* parent) {
        info_.name = std::move(name);
        info_.parent = parent;
        info_.baseName = defaultBaseName(info_.name);
        if (parent) {
            info_.props = parent->props;
            info_.isComponent = parent->isComponent;
        }
    }

    ClassBuilder& baseName(std::string name) {
        info_.baseName = std::move(name);
        return *this;
    }
    ClassBuilder& component() {
        info_.isComponent = true;
        return *this;
    }
    // Objects of this class can be created by class name.
    template <class Concrete = C>
    ClassBuilder& creatable() {
        info_.create = []() -> TfrxPersistent* { return new Concrete(); };
        return *this;
    }

    template <auto Get, auto Set = Get>
    ClassBuilder& integer(std::string_view name, int64_t def = kNoDefault, StoredFn stored = nullptr) {
        return ordinal<Get, Set>(name, PropKind::Integer, nullptr, def, stored);
    }
    template <auto Get, auto Set = Get>
    ClassBuilder& color(std::string_view name, int64_t def = kNoDefault, StoredFn stored = nullptr) {
        return ordinal<Get, Set>(name, PropKind::Color, nullptr, def, stored);
    }
    template <auto Get, auto Set = Get>
    ClassBuilder& boolean(std::string_view name, int64_t def = kNoDefault, StoredFn stored = nullptr) {
        return ordinal<Get, Set>(name, PropKind::Boolean, &booleanType(), def, stored);
    }
    template <auto Get, auto Set = Get>
    ClassBuilder& enumeration(std::string_view name, const EnumType& type, int64_t def = kNoDefault,
                              StoredFn stored = nullptr) {
        return ordinal<Get, Set>(name, PropKind::Enumeration, &type, def, stored);
    }
    template <auto Get, auto Set = Get>
    ClassBuilder& set(std::string_view name, const EnumType& elements, int64_t def = kNoDefault,
                      StoredFn stored = nullptr) {
        return ordinal<Get, Set>(name, PropKind::Set, &elements, def, stored);
    }

    template <auto Get, auto Set = Get>
    ClassBuilder& floating(std::string_view name, double def = kNoFloatDefault, StoredFn stored = nullptr) {
        PropInfo& p = declare(name, PropKind::Float);
        p.floatDefault = def;
        p.stored = stored;
        p.getFloat = [](const TfrxPersistent& o) -> double {
            return static_cast<double>(registry_detail::read<Get>(static_cast<const C&>(o)));
        };
        if constexpr (!std::is_same_v<decltype(Set), std::nullptr_t>)
            p.setFloat = [](TfrxPersistent& o, double v) { registry_detail::write<Set>(static_cast<C&>(o), v); };
        return *this;
    }

    // Written when the value differs from `def` (by default: when it is not empty).
    template <auto Get, auto Set = Get>
    ClassBuilder& string(std::string_view name, std::string_view def = {}) {
        text<Get, Set>(name, PropKind::String, nullptr);
        info_.props[last_].stringDefault = std::string(def);
        return *this;
    }
    template <auto Get, auto Set = Get>
    ClassBuilder& event(std::string_view name) {
        return text<Get, Set>(name, PropKind::Event, nullptr);
    }

    template <auto Get, auto Set = Get>
    ClassBuilder& variant(std::string_view name, StoredFn stored = nullptr) {
        PropInfo& p = declare(name, PropKind::Variant);
        p.stored = stored;
        p.getVariant = [](const TfrxPersistent& o) -> Variant {
            return registry_detail::read<Get>(static_cast<const C&>(o));
        };
        p.setVariant = [](TfrxPersistent& o, const Variant& v) {
            registry_detail::write<Set>(static_cast<C&>(o), v);
        };
        return *this;
    }

    // Set must be a member function taking a pointer to the target class.
    template <auto Get, auto Set>
    ClassBuilder& reference(std::string_view name, const ClassInfo& (*target)()) {
        PropInfo& p = declare(name, PropKind::Reference);
        p.targetClass = target;
        p.getRef = [](const TfrxPersistent& o) -> Object* {
            return registry_detail::read<Get>(static_cast<const C&>(o));
        };
        p.setRef = [](TfrxPersistent& o, Object* v) {
            using Target = std::remove_pointer_t<typename registry_detail::SetterArg<decltype(Set)>::type>;
            auto* t = dynamic_cast<Target*>(v);
            if (v && !t) registry_detail::wrongReferenceClass();
            (static_cast<C&>(o).*Set)(t);
        };
        return *this;
    }

    template <auto Get, auto Set = Get>
    ClassBuilder& lines(std::string_view name, StoredFn stored = nullptr) {
        PropInfo& p = declare(name, PropKind::Lines);
        p.stored = stored;
        p.getLines = [](const TfrxPersistent& o) -> const Lines& {
            return registry_detail::read<Get>(static_cast<const C&>(o));
        };
        p.setLines = [](TfrxPersistent& o, Lines v) { registry_detail::write<Set>(static_cast<C&>(o), std::move(v)); };
        return *this;
    }

    // A nested property object; Get yields a reference or pointer to it (may be null).
    template <auto Get>
    ClassBuilder& object(std::string_view name, const ClassInfo& (*holds)(), StoredFn stored = nullptr) {
        PropInfo& p = declare(name, PropKind::Object);
        p.targetClass = holds;
        p.stored = stored;
        p.getObject = [](TfrxPersistent& o) -> TfrxPersistent* {
            return registry_detail::addressOf(registry_detail::read<Get>(static_cast<C&>(o)));
        };
        return *this;
    }

    ClassBuilder& callback(std::string_view name) {
        declare(name, PropKind::Callback).neverStored = true;
        return *this;
    }

    // Marks the last declared property as never written (it is stored some other way).
    ClassBuilder& notStored() {
        info_.props[last_].neverStored = true;
        return *this;
    }

    ClassInfo build() {
        info_.buildIndex();
        return std::move(info_);
    }

private:
    PropInfo& declare(std::string_view name, PropKind kind) {
        for (size_t i = 0; i < info_.props.size(); ++i) {
            if (info_.props[i].name == name) {
                const int index = info_.props[i].index;
                info_.props[i] = PropInfo{};
                info_.props[i].name = std::string(name);
                info_.props[i].kind = kind;
                info_.props[i].index = index;
                last_ = i;
                return info_.props[i];
            }
        }
        PropInfo p;
        p.name = std::string(name);
        p.kind = kind;
        p.index = static_cast<int>(info_.props.size());
        info_.props.push_back(std::move(p));
        last_ = info_.props.size() - 1;
        return info_.props.back();
    }

    template <auto Get, auto Set>
    ClassBuilder& ordinal(std::string_view name, PropKind kind, const EnumType* type, int64_t def, StoredFn stored) {
        PropInfo& p = declare(name, kind);
        p.enumType = type;
        p.defaultValue = def;
        p.stored = stored;
        p.getOrd = [](const TfrxPersistent& o) -> int64_t {
            return static_cast<int64_t>(registry_detail::read<Get>(static_cast<const C&>(o)));
        };
        if constexpr (!std::is_same_v<decltype(Set), std::nullptr_t>)
            p.setOrd = [](TfrxPersistent& o, int64_t v) { registry_detail::write<Set>(static_cast<C&>(o), v); };
        return *this;
    }

    template <auto Get, auto Set>
    ClassBuilder& text(std::string_view name, PropKind kind, StoredFn stored) {
        PropInfo& p = declare(name, kind);
        p.stored = stored;
        p.getString = [](const TfrxPersistent& o) -> std::string {
            return registry_detail::read<Get>(static_cast<const C&>(o));
        };
        if constexpr (!std::is_same_v<decltype(Set), std::nullptr_t>)
            p.setString = [](TfrxPersistent& o, std::string v) {
                registry_detail::write<Set>(static_cast<C&>(o), std::move(v));
            };
        return *this;
    }

    static const EnumType& booleanType();

    ClassInfo info_;
    size_t last_ = 0;
};

// The class name without its "Tfrx" prefix and its "View" and "Band" parts.
std::string defaultBaseName(std::string_view className);

// The element names of Boolean: "False", "True".
const EnumType& booleanEnumType();

template <class C>
const EnumType& ClassBuilder<C>::booleanType() {
    return booleanEnumType();
}

}  // namespace lumaro

// The non-const overload of an accessor that also has a const twin (Font(), Frame()).
#define LUMARO_MUTABLE_GETTER(Class, Member, Type) static_cast<Type& (Class::*)()>(&Class::Member)
