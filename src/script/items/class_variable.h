#pragma once
// Host classes as scripts see them, and their members: methods (also constructors and indexed
// properties), properties, events. A member call reaches the host through the callbacks given
// when the member was registered (script.h: TfsCallMethod, TfsGetValue, TfsSetValue).
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/object.h"
#include "script/items/custom_variable.h"
#include "script/script.h"

namespace lumaro {

class TfsCustomEvent;
class TfsProcVariable;

// Member of a host class, or a global host function. Reading calls the host with the instance
// (the object the previous designator step produced; nullptr for global functions) and the
// actual parameter values; writing is for properties.
class TfsCustomHelper : public TfsCustomVariable {
public:
    TfsCustomHelper(std::string name, TfsVarType typ, std::string typeName, TfsClassVariable* parentClass);
    TfsClassVariable* ParentClass() const { return parentClass_; }
    virtual Variant Read(Object* instance, std::vector<Variant>& args) = 0;
    virtual void Write(Object* instance, std::vector<Variant>& args, const Variant& value);

private:
    TfsClassVariable* parentClass_;
};

// A property with read and write callbacks (read-only without a write callback).
class TfsPropertyHelper : public TfsCustomHelper {
public:
    TfsPropertyHelper(std::string name, TfsVarType typ, std::string typeName, TfsClassVariable* parentClass,
                      TfsGetValue get, TfsSetValue set);
    Variant Read(Object* instance, std::vector<Variant>& args) override;
    void Write(Object* instance, std::vector<Variant>& args, const Variant& value) override;

private:
    std::string upperName_;
    TfsGetValue get_;
    TfsSetValue set_;
};

// A host function or method from a declaration text; also indexed properties (read as
// "NAME.GET", written as "NAME.SET") and constructors.
class TfsMethodHelper : public TfsCustomHelper {
public:
    TfsMethodHelper(const std::string& declaration, TfsCallMethod callback, TfsClassVariable* parentClass,
                    TfsScript* script);
    Variant Read(Object* instance, std::vector<Variant>& args) override;
    void Write(Object* instance, std::vector<Variant>& args, const Variant& value) override;

    bool IsMacro() const { return isMacro_; }
    bool IsFunction() const { return isFunction_; }
    bool IsIndexProperty() const { return indexProperty_; }
    void SetIndexProperty(bool on) { indexProperty_ = on; }
    // A constructor is called with the class it creates (the class reference the previous
    // step produced) as `cls` and no instance.
    bool IsConstructor() const { return constructor_; }
    void SetConstructor(bool on) { constructor_ = on; }
    const std::string& Category() const { return category_; }
    void SetCategory(std::string c) { category_ = std::move(c); }
    // The declaration text as registered (the designer's function list shows it).
    const std::string& Description() const { return description_; }

private:
    TfsCallMethod callback_;
    std::string description_;
    std::string category_;
    std::string upperName_, getName_, setName_;
    bool isMacro_ = false;
    bool isFunction_ = false;
    bool indexProperty_ = false;
    bool constructor_ = false;
};

// Creates the event adapter of one event kind for (instance, script procedure).
using TfsEventClass = std::function<std::unique_ptr<TfsCustomEvent>(Object* instance, TfsProcVariable* handler)>;
template <class E>
TfsEventClass fsEventClass() {
    return [](Object* instance, TfsProcVariable* handler) { return std::make_unique<E>(instance, handler); };
}
// Tells the host that the handler of an event of `instance` changed (nullptr: cleared). The
// adapter itself stays in the global event list (custom_event.h), where the host can also
// find it by (instance, event name).
using TfsSetEvent = std::function<void(Object* instance, TfsClassVariable* cls, const std::string& eventName,
                                       TfsCustomEvent* handler)>;

// An event property: reading gives an empty text; writing takes the name of a script
// procedure ("0" clears the handler).
class TfsEventHelper : public TfsCustomHelper {
public:
    TfsEventHelper(std::string name, TfsClassVariable* parentClass, TfsEventClass eventClass, TfsSetEvent setEvent);
    Variant Read(Object* instance, std::vector<Variant>& args) override;
    void Write(Object* instance, std::vector<Variant>& args, const Variant& value) override;
    // Installs `handler` (nullptr clears) for `instance`.
    void Install(Object* instance, TfsProcVariable* handler);

private:
    TfsEventClass eventClass_;
    TfsSetEvent setEvent_;
};

// One published property of a host class, as the host's property registry describes it.
struct TfsPublishedProperty {
    std::string name;
    TfsVarType kind = fvtVariant;
    std::string typeName;  // enumeration/set/class name; may be empty for the plain kinds
    TfsGetValue get;
    TfsSetValue set;       // empty: read-only
};
// Lists the published properties of a host class by its name; installed once by the report
// module. AddClass asks it for every class it registers.
using TfsPublishedPropertySource = std::function<std::vector<TfsPublishedProperty>(const std::string& className)>;
void fsSetPublishedPropertySource(TfsPublishedPropertySource source);

// A host class.
class TfsClassVariable : public TfsCustomVariable, public Object {
public:
    TfsClassVariable(const std::string& className, std::string ancestorName, TfsIsInstance isInstance,
                     TfsScript* script);
    ~TfsClassVariable() override;

    // "constructor Create(AOwner: TComponent)": added as a function with result "Constructor".
    TfsMethodHelper* AddConstructor(const std::string& declaration, TfsCallMethod callback);
    TfsMethodHelper* AddMethod(const std::string& declaration, TfsCallMethod callback);
    TfsPropertyHelper* AddProperty(const std::string& name, const std::string& typeName, TfsGetValue get,
                                   TfsSetValue set = {});
    // A property with index parameters (comma-separated index type names), read as "NAME.GET"
    // and written as "NAME.SET" through the callback.
    TfsMethodHelper* AddIndexProperty(const std::string& name, const std::string& indexTypes,
                                      const std::string& typeName, TfsCallMethod callback, bool readOnly = false);
    // The same, and it becomes the class's default property (an object indexed directly).
    TfsMethodHelper* AddDefaultProperty(const std::string& name, const std::string& indexTypes,
                                        const std::string& typeName, TfsCallMethod callback, bool readOnly = false);
    TfsEventHelper* AddEvent(const std::string& name, TfsEventClass eventClass, TfsSetEvent setEvent = {});
    // Properties of the host's property registry (kind and type name given by the host).
    void AddPublishedProperties(const std::vector<TfsPublishedProperty>& properties);

    // A member of this class, else of its ancestors; nullptr when missing.
    TfsCustomHelper* FindMember(std::string_view name) const;
    TfsMethodHelper* DefaultProperty() const { return defaultProperty_; }
    const std::string& AncestorName() const { return ancestorName_; }
    TfsClassVariable* Ancestor() const;
    // Whether `object` is an instance of this class or of a class derived from it.
    bool IsInstance(const Object* object) const;
    // Whether this class is `base` or derives from it.
    bool InheritsFrom(std::string_view base) const;
    int Depth() const;  // number of registered ancestors
    int MemberCount() const { return static_cast<int>(members_.size()); }
    TfsCustomHelper* Members(int index) const { return members_[static_cast<size_t>(index)].get(); }

    // A class name read as a value gives the class reference: a Variant holding this object.
    const Variant* ValueRef() override { return &value_; }

private:
    TfsCustomHelper* addMember(std::unique_ptr<TfsCustomHelper> member);
    TfsMethodHelper* addIndexed(const std::string& name, const std::string& indexTypes, const std::string& typeName,
                                TfsCallMethod callback, bool readOnly);

    std::string ancestorName_;
    TfsIsInstance isInstance_;
    TfsScript* script_;
    std::vector<std::unique_ptr<TfsCustomHelper>> members_;
    TfsMethodHelper* defaultProperty_ = nullptr;
};

// Whether `object` (an object reference) is an instance of the class `classRef` refers to
// (the value of a class name): the IS operator.
bool fsObjectIs(const Variant& object, const Variant& classRef);

}  // namespace lumaro
