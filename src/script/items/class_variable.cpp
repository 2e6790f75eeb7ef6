#include "script/items/class_variable.h"

#include "core/error.h"
#include "core/text.h"
#include "script/items/custom_event.h"
#include "script/items/declaration.h"
#include "script/items/proc_variable.h"
#include "script/script_errors.h"

namespace lumaro {

namespace {
TfsPublishedPropertySource& publishedSource() {
    static TfsPublishedPropertySource source;
    return source;
}

void resolveOrVariant(const TfsScript* script, const std::string& name, TfsVarType& kind, std::string& typeName) {
    if (name.empty() || !script || !script->ResolveType(name, kind, typeName)) {
        kind = fvtVariant;
        typeName = name.empty() ? "Variant" : name;
    }
}
}  // namespace

void fsSetPublishedPropertySource(TfsPublishedPropertySource source) { publishedSource() = std::move(source); }

// ---- Helpers

TfsCustomHelper::TfsCustomHelper(std::string name, TfsVarType typ, std::string typeName,
                                 TfsClassVariable* parentClass)
    : TfsCustomVariable(std::move(name), typ, std::move(typeName)), parentClass_(parentClass) {}

void TfsCustomHelper::Write(Object*, std::vector<Variant>&, const Variant&) {}

TfsPropertyHelper::TfsPropertyHelper(std::string name, TfsVarType typ, std::string typeName,
                                     TfsClassVariable* parentClass, TfsGetValue get, TfsSetValue set)
    : TfsCustomHelper(std::move(name), typ, std::move(typeName), parentClass),
      upperName_(upperCase(Name())),
      get_(std::move(get)),
      set_(std::move(set)) {
    SetIsReadOnly(!set_);
}

Variant TfsPropertyHelper::Read(Object* instance, std::vector<Variant>&) {
    if (!get_) return Variant::null();
    Variant v = get_(instance, ParentClass(), upperName_);
    if (Typ() == fvtBool && !v.isBoolean() && !v.isEmptyOrNull()) return Variant(v.toBool());
    return v;
}

void TfsPropertyHelper::Write(Object* instance, std::vector<Variant>&, const Variant& value) {
    if (set_) set_(instance, ParentClass(), upperName_, value);
}

TfsMethodHelper::TfsMethodHelper(const std::string& declaration, TfsCallMethod callback,
                                 TfsClassVariable* parentClass, TfsScript* script)
    : TfsCustomHelper("", fvtVariant, "", parentClass), callback_(std::move(callback)), description_(declaration) {
    const TfsDeclaration d = fsParseDeclaration(declaration, script);
    SetName(d.name);
    upperName_ = upperCase(d.name);
    getName_ = upperName_ + ".GET";
    setName_ = upperName_ + ".SET";
    isMacro_ = d.isMacro;
    isFunction_ = d.isFunction;
    TfsVarType kind = fvtVariant;
    std::string typeName = "Variant";
    if (d.isFunction) resolveOrVariant(script, d.resultType, kind, typeName);
    SetTyp(kind);
    SetTypeName(typeName);
    for (const TfsDeclaredParam& p : d.params) {
        TfsVarType pk;
        std::string pt;
        resolveOrVariant(script, p.typeName, pk, pt);
        auto param = std::make_unique<TfsParamItem>(p.name, pk, pt, p.optional, p.byRef);
        param->SetDefValue(p.defValue);
        Add(std::move(param));
    }
    SetIsReadOnly(true);
}

Variant TfsMethodHelper::Read(Object* instance, std::vector<Variant>& args) {
    if (!callback_) return Variant::null();
    if (constructor_)
        if (auto* cls = dynamic_cast<TfsClassVariable*>(instance)) return callback_(nullptr, cls, upperName_, args);
    return callback_(instance, ParentClass(), indexProperty_ ? getName_ : upperName_, args);
}

void TfsMethodHelper::Write(Object* instance, std::vector<Variant>& args, const Variant& value) {
    if (!indexProperty_ || !callback_) return;
    args.push_back(value);
    callback_(instance, ParentClass(), setName_, args);
}

TfsEventHelper::TfsEventHelper(std::string name, TfsClassVariable* parentClass, TfsEventClass eventClass,
                               TfsSetEvent setEvent)
    : TfsCustomHelper(std::move(name), fvtString, "String", parentClass),
      eventClass_(std::move(eventClass)),
      setEvent_(std::move(setEvent)) {}

Variant TfsEventHelper::Read(Object*, std::vector<Variant>&) { return Variant(std::string()); }

void TfsEventHelper::Write(Object* instance, std::vector<Variant>&, const Variant& value) {
    if (value.toString() != "0") throw Exception(kEventHandlerMustBeProcedure);
    Install(instance, nullptr);
}

void TfsEventHelper::Install(Object* instance, TfsProcVariable* handler) {
    TfsCustomEvent* event = nullptr;
    if (handler && eventClass_)
        event = fsEventList().Install(instance, Name(), eventClass_(instance, handler));
    else
        fsEventList().Remove(instance, Name());
    if (setEvent_) setEvent_(instance, ParentClass(), upperCase(Name()), event);
}

// ---- Class

TfsClassVariable::TfsClassVariable(const std::string& className, std::string ancestorName,
                                   TfsIsInstance isInstance, TfsScript* script)
    : TfsCustomVariable(className, fvtClass, className),
      ancestorName_(std::move(ancestorName)),
      isInstance_(std::move(isInstance)),
      script_(script) {
    value_ = Variant(static_cast<Object*>(this));
    // The class name used like a function is a type cast with one Variant argument.
    Add(std::make_unique<TfsParamItem>("", fvtVariant, "Variant", true, false));
    if (TfsClassVariable* ancestor = Ancestor()) defaultProperty_ = ancestor->DefaultProperty();
    if (publishedSource()) AddPublishedProperties(publishedSource()(className));
}

TfsClassVariable::~TfsClassVariable() = default;

TfsCustomHelper* TfsClassVariable::addMember(std::unique_ptr<TfsCustomHelper> member) {
    member->SetAddedBy(script_ ? script_->AddedBy() : nullptr);
    members_.push_back(std::move(member));
    return members_.back().get();
}

TfsMethodHelper* TfsClassVariable::AddConstructor(const std::string& declaration, TfsCallMethod callback) {
    std::string rest;
    size_t i = declaration.find_first_not_of(" \t");
    size_t j = declaration.find_first_of(" \t(;:", i == std::string::npos ? 0 : i);
    std::string text = "function" + (j == std::string::npos ? std::string() : declaration.substr(j)) + ": Constructor";
    auto* m = static_cast<TfsMethodHelper*>(
        addMember(std::make_unique<TfsMethodHelper>(text, std::move(callback), this, script_)));
    // The result of a constructor is an object of this class.
    m->SetConstructor(true);
    m->SetTyp(fvtClass);
    m->SetTypeName(Name());
    return m;
}

TfsMethodHelper* TfsClassVariable::AddMethod(const std::string& declaration, TfsCallMethod callback) {
    return static_cast<TfsMethodHelper*>(
        addMember(std::make_unique<TfsMethodHelper>(declaration, std::move(callback), this, script_)));
}

TfsPropertyHelper* TfsClassVariable::AddProperty(const std::string& name, const std::string& typeName,
                                                 TfsGetValue get, TfsSetValue set) {
    TfsVarType kind;
    std::string tn;
    resolveOrVariant(script_, typeName, kind, tn);
    return static_cast<TfsPropertyHelper*>(addMember(
        std::make_unique<TfsPropertyHelper>(name, kind, tn, this, std::move(get), std::move(set))));
}

TfsMethodHelper* TfsClassVariable::addIndexed(const std::string& name, const std::string& indexTypes,
                                              const std::string& typeName, TfsCallMethod callback, bool readOnly) {
    std::string decl = "function " + name + "(";
    int n = 0;
    size_t start = 0;
    while (start <= indexTypes.size()) {
        size_t comma = indexTypes.find(',', start);
        if (comma == std::string::npos) comma = indexTypes.size();
        const std::string t = trim(indexTypes.substr(start, comma - start));
        if (!t.empty()) {
            if (n > 0) decl += "; ";
            decl += "p" + std::to_string(n++) + ": " + t;
        }
        start = comma + 1;
    }
    decl += "): " + typeName;
    TfsMethodHelper* m = AddMethod(decl, std::move(callback));
    m->SetIndexProperty(true);
    m->SetIsReadOnly(readOnly);
    return m;
}

TfsMethodHelper* TfsClassVariable::AddIndexProperty(const std::string& name, const std::string& indexTypes,
                                                    const std::string& typeName, TfsCallMethod callback,
                                                    bool readOnly) {
    return addIndexed(name, indexTypes, typeName, std::move(callback), readOnly);
}

TfsMethodHelper* TfsClassVariable::AddDefaultProperty(const std::string& name, const std::string& indexTypes,
                                                      const std::string& typeName, TfsCallMethod callback,
                                                      bool readOnly) {
    defaultProperty_ = addIndexed(name, indexTypes, typeName, std::move(callback), readOnly);
    return defaultProperty_;
}

TfsEventHelper* TfsClassVariable::AddEvent(const std::string& name, TfsEventClass eventClass, TfsSetEvent setEvent) {
    return static_cast<TfsEventHelper*>(
        addMember(std::make_unique<TfsEventHelper>(name, this, std::move(eventClass), std::move(setEvent))));
}

void TfsClassVariable::AddPublishedProperties(const std::vector<TfsPublishedProperty>& properties) {
    for (const TfsPublishedProperty& p : properties) {
        std::string typeName = p.typeName;
        if (typeName.empty()) typeName = TypeKindText(p.kind, "");
        addMember(std::make_unique<TfsPropertyHelper>(p.name, p.kind, typeName, this, p.get, p.set));
    }
}

TfsCustomHelper* TfsClassVariable::FindMember(std::string_view name) const {
    int guard = 0;
    for (const TfsClassVariable* c = this; c && guard < 256; c = c->Ancestor(), ++guard)
        for (const auto& m : c->members_)
            if (sameText(m->Name(), name)) return m.get();
    return nullptr;
}

TfsClassVariable* TfsClassVariable::Ancestor() const {
    if (ancestorName_.empty() || !script_ || sameText(ancestorName_, Name())) return nullptr;
    return script_->FindClass(ancestorName_);
}

bool TfsClassVariable::IsInstance(const Object* object) const { return object && isInstance_ && isInstance_(object); }

bool TfsClassVariable::InheritsFrom(std::string_view base) const {
    int guard = 0;
    for (const TfsClassVariable* c = this; c && guard < 256; c = c->Ancestor(), ++guard)
        if (sameText(c->Name(), base)) return true;
    return false;
}

int TfsClassVariable::Depth() const {
    int depth = 0;
    for (const TfsClassVariable* c = Ancestor(); c && depth < 256; c = c->Ancestor()) ++depth;
    return depth;
}

bool fsObjectIs(const Variant& object, const Variant& classRef) {
    if (!object.isObject() || !classRef.isObject()) return false;
    auto* cls = dynamic_cast<TfsClassVariable*>(classRef.rawObject());
    return cls && cls->IsInstance(object.rawObject());
}

}  // namespace lumaro
