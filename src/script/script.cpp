#include "script/script.h"

#include <algorithm>

#include "core/error.h"
#include "core/text.h"
#include "script/expression/expression.h"
#include "script/items/class_variable.h"
#include "script/items/proc_variable.h"
#include "script/library/enum_names.h"
#include "script/statements/statement.h"

namespace lumaro {

TfsScript::TfsScript(TfsScript* parent)
    : parent_(parent), mainBlock_(std::make_unique<TfsStatement>(this, "", "")) {}

TfsScript::~TfsScript() {
    mainBlock_.reset();
    // Members of classes and statements may refer to items; free the items last, newest first.
    while (!items_.empty()) items_.pop_back();
}

void TfsScript::SetText(std::string_view text) { lines_ = splitLines(text); }

std::string TfsScript::Text() const { return joinLines(lines_, "\r\n"); }

// ---- Registry

size_t TfsScript::lowerBound(std::string_view key) const {
    auto it = std::lower_bound(items_.begin(), items_.end(), key,
                               [](const Entry& e, std::string_view k) { return e.key < k; });
    return static_cast<size_t>(it - items_.begin());
}

TfsCustomVariable* TfsScript::AddItem(const std::string& name, std::unique_ptr<TfsCustomVariable> item) {
    std::string key = upperCase(name);
    auto it = std::upper_bound(items_.begin(), items_.end(), key,
                               [](const std::string& k, const Entry& e) { return k < e.key; });
    item->SetAddedBy(addedBy_);
    if (auto* proc = dynamic_cast<TfsProcVariable*>(item.get())) RegisterProc(proc);
    if (auto* cls = dynamic_cast<TfsClassVariable*>(item.get())) classes_.push_back(cls);
    return items_.insert(it, Entry{std::move(key), std::move(item)})->item.get();
}

TfsCustomVariable* TfsScript::FindLocal(std::string_view name) const {
    const std::string key = upperCase(name);
    const size_t i = lowerBound(key);
    return i < items_.size() && items_[i].key == key ? items_[i].item.get() : nullptr;
}

TfsCustomVariable* TfsScript::FindItem(std::string_view name) const {
    const std::string key = upperCase(name);
    for (const TfsScript* s = this; s; s = s->parent_) {
        const size_t i = s->lowerBound(key);
        if (i < s->items_.size() && s->items_[i].key == key) return s->items_[i].item.get();
    }
    return nullptr;
}

TfsClassVariable* TfsScript::FindClass(std::string_view name) const {
    const std::string key = upperCase(name);
    for (const TfsScript* s = this; s; s = s->parent_) {
        for (size_t i = s->lowerBound(key); i < s->items_.size() && s->items_[i].key == key; ++i)
            if (auto* c = dynamic_cast<TfsClassVariable*>(s->items_[i].item.get())) return c;
    }
    return nullptr;
}

TfsClassVariable* TfsScript::FindClassOf(const Object* object) const {
    if (!object) return nullptr;
    TfsClassVariable* best = nullptr;
    int bestDepth = -1;
    for (const TfsScript* s = this; s; s = s->parent_)
        for (TfsClassVariable* c : s->classes_)
                if (c->IsInstance(object)) {
                    const int d = c->Depth();
                    if (d > bestDepth) {
                        best = c;
                        bestDepth = d;
                    }
                }
    return best;
}

bool TfsScript::ResolveType(std::string_view name, TfsVarType& kind, std::string& typeName) const {
    if (sameText(name, "array")) {
        kind = fvtArray;
        typeName = "Array";
        return true;
    }
    TfsCustomVariable* item = FindItem(name);
    if (!item) return false;
    if (auto* c = dynamic_cast<TfsClassVariable*>(item)) {
        kind = fvtClass;
        typeName = c->Name();
        return true;
    }
    if (dynamic_cast<TfsTypeVariable*>(item)) {
        kind = item->Typ();
        typeName = item->Name();
        return true;
    }
    return false;
}

bool TfsScript::ClassInherits(std::string_view derived, std::string_view base) const {
    TfsClassVariable* c = FindClass(derived);
    return c ? c->InheritsFrom(base) : sameText(derived, base);
}

TfsClassInherits TfsScript::ClassInheritance() const {
    return [this](std::string_view derived, std::string_view base) { return ClassInherits(derived, base); };
}

const TfsExpressionHooks* TfsScript::ExpressionHooks() {
    if (!hooks_) {
        hooks_ = std::make_unique<TfsExpressionHooks>();
        hooks_->inherits = ClassInheritance();
        hooks_->isInstance = [](const Variant& object, TfsCustomVariable* classItem) {
            return classItem && fsObjectIs(object, classItem->GetValue());
        };
    }
    return hooks_.get();
}

void TfsScript::AddType(const std::string& name, TfsVarType kind) {
    if (nameUsed(name)) return;
    AddItem(name, std::make_unique<TfsTypeVariable>(name, kind));
}

namespace {
std::unique_ptr<TfsCustomVariable> makeVariable(const TfsScript& script, const std::string& name,
                                                const std::string& typeName, const Variant& value, bool readOnly) {
    TfsVarType kind = fvtVariant;
    std::string tn = typeName;
    if (!script.ResolveType(typeName, kind, tn)) {
        kind = fvtVariant;
        tn = typeName;
    }
    std::unique_ptr<TfsCustomVariable> v;
    if (kind == fvtString || kind == fvtChar) {
        v = std::make_unique<TfsStringVariable>(name, kind, tn);
        v->SetValue(value);
        v->SetIsReadOnly(readOnly);
    } else {
        v = std::make_unique<TfsVariable>(name, kind, tn, value, readOnly);
    }
    return v;
}
}  // namespace

void TfsScript::AddConst(const std::string& name, const std::string& typeName, const Variant& value) {
    if (nameUsed(name)) return;
    AddItem(name, makeVariable(*this, name, typeName, value, true));
}

void TfsScript::AddVariable(const std::string& name, const std::string& typeName, const Variant& value) {
    if (nameUsed(name)) return;
    AddItem(name, makeVariable(*this, name, typeName, value, false));
}

void TfsScript::AddObject(const std::string& name, Object* object) {
    if (nameUsed(name)) return;
    TfsClassVariable* cls = FindClassOf(object);
    AddItem(name, std::make_unique<TfsVariable>(name, fvtClass, cls ? cls->Name() : std::string("TObject"),
                                                Variant(object), false));
}

void TfsScript::addEnumeration(const std::string& typeName, const std::string& names, bool asSet) {
    AddType(typeName, fvtEnum);
    int i = 0;
    for (const std::string& n : enumElementNames(names)) {
        const int value = asSet ? (i < 31 ? 1 << i : 0) : i;
        AddItem(n, std::make_unique<TfsVariable>(n, fvtEnum, typeName, Variant(value), true));
        ++i;
    }
}

void TfsScript::AddEnum(const std::string& typeName, const std::string& names) {
    addEnumeration(typeName, names, false);
}

void TfsScript::AddEnumSet(const std::string& typeName, const std::string& names) {
    addEnumeration(typeName, names, true);
}

TfsClassVariable* TfsScript::AddClass(const std::string& className, const std::string& ancestorName,
                                      TfsIsInstance isInstance) {
    if (nameUsed(className)) return nullptr;
    return static_cast<TfsClassVariable*>(
        AddItem(className, std::make_unique<TfsClassVariable>(className, ancestorName, std::move(isInstance), this)));
}

TfsMethodHelper* TfsScript::AddMethod(const std::string& declaration, TfsCallMethod callback,
                                      const std::string& category) {
    auto m = std::make_unique<TfsMethodHelper>(declaration, std::move(callback), nullptr, this);
    m->SetCategory(category);
    const std::string name = m->Name();
    return static_cast<TfsMethodHelper*>(AddItem(name, std::move(m)));
}

void TfsScript::RemoveItem(TfsCustomVariable* item) {
    for (auto it = items_.begin(); it != items_.end(); ++it)
        if (it->item.get() == item) {
            (void)it->item.release();
            items_.erase(it);
            break;
        }
    forget([item](const TfsCustomVariable* p) { return p == item; });
}

void TfsScript::ClearItems(const void* owner) {
    mainBlock_->Clear();
    executableLines_.clear();
    std::vector<std::unique_ptr<TfsCustomVariable>> doomed;
    for (auto it = items_.begin(); it != items_.end();) {
        if (it->item->AddedBy() == owner) {
            doomed.push_back(std::move(it->item));
            it = items_.erase(it);
        } else {
            ++it;
        }
    }
    forget([&](const TfsCustomVariable* p) {
        return std::any_of(doomed.begin(), doomed.end(), [p](const auto& d) { return d.get() == p; });
    });
    while (!doomed.empty()) doomed.pop_back();
}

void TfsScript::Clear() {
    mainBlock_->Clear();
    executableLines_.clear();
    procs_.clear();
    classes_.clear();
    while (!items_.empty()) items_.pop_back();
}

void TfsScript::forget(const std::function<bool(const TfsCustomVariable*)>& gone) {
    std::erase_if(procs_, [&](TfsProcVariable* p) { return gone(p); });
    std::erase_if(classes_, [&](TfsClassVariable* c) { return gone(c); });
}

void TfsScript::RegisterProc(TfsProcVariable* proc) { procs_.push_back(proc); }

// ---- Executable lines

void TfsScript::AddExecutableLine(const std::string& unitName, int line) {
    for (auto& [unit, lines] : executableLines_)
        if (unit == unitName) {
            if (std::find(lines.begin(), lines.end(), line) == lines.end()) lines.push_back(line);
            return;
        }
    executableLines_.push_back({unitName, {line}});
}

bool TfsScript::IsExecutableLine(int line, const std::string& unitName) const {
    for (const auto& [unit, lines] : executableLines_)
        if (unit == unitName) return std::find(lines.begin(), lines.end(), line) != lines.end();
    return false;
}

std::string TfsScript::ExecutableLines(const std::string& unitName) const {
    std::string out;
    for (const auto& [unit, lines] : executableLines_)
        if (unit == unitName)
            for (int l : lines) out += (out.empty() ? "" : ",") + std::to_string(l);
    return out;
}

// ---- Running

void TfsScript::ClearTerminated() {
    flags.terminated = false;
    for (TfsProcVariable* p : procs_) p->Prog()->ClearTerminated();
}

void TfsScript::Terminate() {
    flags.exitSet = true;
    flags.terminated = true;
    for (TfsProcVariable* p : procs_) p->Prog()->Terminate();
}

void TfsScript::Execute() {
    ClearTerminated();
    flags.exitSet = false;
    flags.breakSet = false;
    flags.continueSet = false;
    flags.running = true;
    flags.isExecuting = true;
    struct Done {
        TfsScript& s;
        ~Done() {
            s.flags.exitSet = false;
            s.flags.breakSet = false;
            s.flags.continueSet = false;
            s.flags.running = false;
            s.ClearTerminated();
        }
    } done{*this};
    mainBlock_->Execute();
}

namespace {
std::vector<Variant> paramsOf(const Variant& params) {
    std::vector<Variant> out;
    if (params.isArray() && params.arrayDimCount() == 1)
        for (int i = params.arrayLow(); i <= params.arrayHigh(); ++i) out.push_back(params.at({i}));
    return out;
}
}  // namespace

Variant TfsScript::CallFunction(const std::string& name, const Variant& params) {
    auto* proc = dynamic_cast<TfsProcVariable*>(FindLocal(name));
    if (!proc) return Variant::null();
    std::vector<Variant> args = paramsOf(params);
    if (CallDepth() == 0) ClearTerminated();
    return proc->Call(args);
}

Variant TfsScript::CallFunctionVar(const std::string& name, Variant& params) {
    auto* proc = dynamic_cast<TfsProcVariable*>(FindLocal(name));
    if (!proc) return Variant::null();
    std::vector<Variant> args = paramsOf(params);
    if (CallDepth() == 0) ClearTerminated();
    Variant result = proc->Call(args);
    if (params.isArray() && params.arrayDimCount() == 1) {
        const int low = params.arrayLow();
        for (size_t i = 0; i < args.size(); ++i) {
            TfsCustomVariable* local = proc->ParamVariable(static_cast<int>(i));
            params.at({low + static_cast<int>(i)}) = local ? local->GetValue() : args[i];
        }
    }
    return result;
}

Variant TfsScript::Evaluate(const std::string& expression) {
    TfsScript temp(localScope_ ? localScope_ : this);
    TfsRunLineEvent suspended = std::move(OnRunLine);
    OnRunLine = nullptr;
    struct Back {
        TfsScript& s;
        TfsRunLineEvent& e;
        ~Back() { s.OnRunLine = std::move(e); }
    } back{*this, suspended};
    temp.SetSyntaxType("PascalScript");
    temp.SetText("function __f__: Variant; begin Result := " + expression + " end; begin end.");
    if (!temp.Compile()) return Variant(temp.ErrorMsg());
    return temp.CallFunction("__f__");
}

}  // namespace lumaro
