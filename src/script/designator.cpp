#include "script/designator.h"

#include "core/error.h"
#include "core/text.h"
#include "script/items/class_variable.h"
#include "script/items/proc_variable.h"
#include "script/script_errors.h"

namespace lumaro {

// ---- Indexing helpers

namespace {
bool toIndexes(const Variant& array, const std::vector<Variant>& indexes, std::vector<int>& out) {
    const int dims = array.arrayDimCount();
    if (dims > 3 || indexes.empty() || indexes.size() > 3) return false;
    out.clear();
    for (const Variant& i : indexes) out.push_back(i.toInt());
    if (static_cast<int>(out.size()) != dims) throw EVariantError(kArrayIndexOutOfBounds);
    return true;
}
}  // namespace

Variant fsArrayGet(const Variant& array, const std::vector<Variant>& indexes) {
    if (!array.isArray()) throw Exception(kArrayTypeRequired);
    std::vector<int> idx;
    if (!toIndexes(array, indexes, idx)) return Variant::null();
    return array.at(idx);
}

void fsArraySet(Variant& array, const std::vector<Variant>& indexes, const Variant& value) {
    if (!array.isArray()) throw Exception(kArrayTypeRequired);
    std::vector<int> idx;
    if (!toIndexes(array, indexes, idx)) return;
    array.at(idx) = value;
}

std::string fsStringGet(const std::string& text, int index) {
    const size_t len = utf8Length(text);
    if (index < 1 || static_cast<size_t>(index) > len) throw Exception(kStringIndexOutOfRange);
    const size_t from = utf8Offset(text, static_cast<size_t>(index - 1));
    const size_t to = utf8Offset(text, static_cast<size_t>(index));
    return text.substr(from, to - from);
}

void fsStringSet(std::string& text, int index, const std::string& character) {
    const size_t len = utf8Length(text);
    if (index < 1 || static_cast<size_t>(index) > len) throw Exception(kStringIndexOutOfRange);
    const size_t from = utf8Offset(text, static_cast<size_t>(index - 1));
    const size_t to = utf8Offset(text, static_cast<size_t>(index));
    // One character: the first character of the text written (an empty text writes nothing).
    const std::string c = character.substr(0, utf8Offset(character, 1));
    text.replace(from, to - from, c);
}

// ---- Designator

namespace {
// Argument lists of calls, reused so that a call does not allocate one each time. Calls nest
// (an argument may call again), so each call takes its own list from the pool.
class ArgList {
public:
    ArgList() {
        auto& p = pool();
        if (!p.empty()) {
            args_ = std::move(p.back());
            p.pop_back();
        }
    }
    ~ArgList() {
        args_.clear();
        auto& p = pool();
        if (p.size() < 64) p.push_back(std::move(args_));
    }
    std::vector<Variant>& get() { return args_; }

private:
    static std::vector<std::vector<Variant>>& pool() { return tPool; }
    static thread_local std::vector<std::vector<Variant>> tPool;
    std::vector<Variant> args_;
};
thread_local std::vector<std::vector<Variant>> ArgList::tPool;
}  // namespace

TfsDesignator::TfsDesignator(TfsScript* script) : TfsCustomVariable("", fvtVariant, ""), script_(script) {}

TfsDesignator::~TfsDesignator() = default;

void TfsDesignator::evalArgs(TfsDesignatorItem& step, std::vector<Variant>& out) {
    const size_t n = step.args.size();
    out.reserve(n + 1);
    // A macro function receives the source texts of the arguments written; defaults of the
    // parameters left out follow as values.
    const size_t texts = step.macro ? step.macroTexts.size() : 0;
    for (size_t i = 0; i < n; ++i) {
        if (i < texts)
            out.emplace_back(step.macroTexts[i]);
        else
            out.push_back(step.args[i]->GetValue());
    }
}

void TfsDesignator::writeBack(TfsDesignatorItem& step, const std::vector<Variant>& args) {
    for (size_t i = 0; i < step.byRef.size() && i < args.size(); ++i)
        if (step.byRef[i]) step.byRef[i]->SetValue(args[i]);
}

TfsCustomHelper* TfsDesignator::lateMember(TfsDesignatorItem& step, const Variant& prev) {
    Object* object = prev.isObject() ? prev.rawObject() : nullptr;
    if (!object) throw Exception(kClassTypeRequired);
    TfsClassVariable* cls = script_->FindClassOf(object);
    if (cls != step.lateClass || !step.lateHelper) {
        step.lateHelper = cls ? cls->FindMember(step.name) : nullptr;
        step.lateClass = cls;
    }
    if (!step.lateHelper) throw Exception(kUndeclaredIdentifier + quoted(step.name));
    return step.lateHelper;
}

// A member found when the program runs gets the argument checks of the builder then: the
// count, and the defaults of parameters left out.
void TfsDesignator::completeArgs(TfsCustomVariable* member, std::vector<Variant>& args) {
    if (static_cast<int>(args.size()) > member->Count()) throw Exception(kTooManyParameters);
    for (int i = static_cast<int>(args.size()); i < member->Count(); ++i) {
        if (!member->Params(i)->IsOptional()) throw Exception(kNotEnoughParameters);
        args.push_back(member->Params(i)->DefValue());
    }
}

TfsCustomHelper* TfsDesignator::defaultProperty(const Variant& object) {
    TfsClassVariable* cls = script_->FindClassOf(object.rawObject());
    TfsCustomHelper* property = cls ? cls->DefaultProperty() : nullptr;
    if (!property) {
        std::string m = kClassHasNoDefaultProperty;
        m.replace(m.find("%s"), 2, cls ? cls->Name() : std::string("TObject"));
        throw Exception(m);
    }
    return property;
}

Variant TfsDesignator::readStep(TfsDesignatorItem& step, const Variant& prev) {
    switch (step.kind) {
        case TfsStepKind::Variable:
            return step.ref->GetValue();
        case TfsStepKind::ClassRef:
            return step.ref->GetValue();
        case TfsStepKind::Cast:
            return step.args[0]->GetValue();
        case TfsStepKind::Proc: {
            ArgList list;
            std::vector<Variant>& args = list.get();
            evalArgs(step, args);
            Variant result = static_cast<TfsProcVariable*>(step.ref)->Call(args);
            writeBack(step, args);
            return result;
        }
        case TfsStepKind::Member:
        case TfsStepKind::LateMember: {
            TfsCustomHelper* helper = step.kind == TfsStepKind::Member ? static_cast<TfsCustomHelper*>(step.ref)
                                                                     : lateMember(step, prev);
            ArgList list;
            std::vector<Variant>& args = list.get();
            evalArgs(step, args);
            if (step.kind == TfsStepKind::LateMember) completeArgs(helper, args);
            Object* instance = prev.isObject() ? prev.rawObject() : nullptr;
            Variant result = helper->Read(instance, args);
            writeBack(step, args);
            return result;
        }
        case TfsStepKind::Index:
        case TfsStepKind::CharIndex: {
            std::vector<Variant> args;
            evalArgs(step, args);
            if (prev.isString()) return Variant(fsStringGet(prev.rawString(), args.empty() ? 0 : args[0].toInt()));
            if (prev.isObject()) {
                TfsCustomHelper* property = defaultProperty(prev);
                completeArgs(property, args);
                return property->Read(prev.rawObject(), args);
            }
            return fsArrayGet(prev, args);
        }
    }
    return Variant::null();
}

TfsMethodHelper* TfsDesignator::lateIndexed(size_t index, const Variant& prev) {
    if (steps_[index].kind != TfsStepKind::LateMember || index + 1 >= steps_.size() ||
        steps_[index + 1].kind != TfsStepKind::Index)
        return nullptr;
    auto* m = dynamic_cast<TfsMethodHelper*>(lateMember(steps_[index], prev));
    return m && m->IsIndexProperty() ? m : nullptr;
}

Variant TfsDesignator::readSteps(size_t count) {
    Variant value;
    for (size_t i = 0; i < count; ++i) {
        // obj.Items[i] on an object known only at run time: the index belongs to the property.
        if (i + 1 < count)
            if (TfsMethodHelper* m = lateIndexed(i, value)) {
                std::vector<Variant> args;
                evalArgs(steps_[i + 1], args);
                completeArgs(m, args);
                Object* instance = value.isObject() ? value.rawObject() : nullptr;
                value = m->Read(instance, args);
                ++i;
                continue;
            }
        value = readStep(steps_[i], value);
    }
    return value;
}

Variant TfsDesignator::GetValue() { return readSteps(steps_.size()); }

void TfsDesignator::SetValue(const Variant& value) {
    if (!steps_.empty()) writeStep(steps_.size() - 1, value);
}

void TfsDesignator::writeStep(size_t index, const Variant& value) {
    TfsDesignatorItem& step = steps_[index];
    switch (step.kind) {
        case TfsStepKind::Variable:
            step.ref->SetValue(value);
            return;
        case TfsStepKind::Member:
        case TfsStepKind::LateMember: {
            const Variant prev = readSteps(index);
            TfsCustomHelper* helper = step.kind == TfsStepKind::Member ? static_cast<TfsCustomHelper*>(step.ref)
                                                                     : lateMember(step, prev);
            Object* instance = prev.isObject() ? prev.rawObject() : nullptr;
            if (auto* event = dynamic_cast<TfsEventHelper*>(helper)) {
                // An event takes the name of a script procedure; "0" clears it.
                const std::string name = value.toString();
                if (name == "0") {
                    event->Install(instance, nullptr);
                    return;
                }
                auto* proc = dynamic_cast<TfsProcVariable*>(script_->FindItem(name));
                if (!proc) throw Exception(kEventHandlerMustBeProcedure);
                event->Install(instance, proc);
                return;
            }
            std::vector<Variant> args;
            evalArgs(step, args);
            if (step.kind == TfsStepKind::LateMember) completeArgs(helper, args);
            helper->Write(instance, args, value);
            return;
        }
        case TfsStepKind::Index:
        case TfsStepKind::CharIndex: {
            std::vector<Variant> args;
            evalArgs(step, args);
            if (step.kind == TfsStepKind::Index && index > 0) {
                const Variant owner = readSteps(index - 1);
                if (TfsMethodHelper* m = lateIndexed(index - 1, owner)) {
                    completeArgs(m, args);
                    m->Write(owner.isObject() ? owner.rawObject() : nullptr, args, value);
                    return;
                }
            }
            if (step.kind == TfsStepKind::Index && index > 0) {
                // An object indexed directly (known only when the program runs): its class's
                // default property.
                const Variant prev = readSteps(index);
                if (prev.isObject()) {
                    TfsCustomHelper* property = defaultProperty(prev);
                    completeArgs(property, args);
                    property->Write(prev.rawObject(), args, value);
                    return;
                }
            }
            auto assign = [&](Variant& target) {
                if (target.isString()) {
                    std::string text = target.rawString();
                    fsStringSet(text, args.empty() ? 0 : args[0].toInt(), value.toString());
                    target = Variant(std::move(text));
                } else {
                    fsArraySet(target, args, value);
                }
            };
            // An element of a variable is changed in place; other containers are read,
            // changed and written back through the previous step.
            if (index == 1 && steps_[0].kind == TfsStepKind::Variable && !steps_[0].ref->IsReadOnly()) {
                assign(steps_[0].ref->StoredValue());
                return;
            }
            Variant container = readSteps(index);
            assign(container);
            if (index > 0) writeStep(index - 1, container);
            return;
        }
        default:
            return;  // not assignable; the builder rejects such targets
    }
}

TfsVariableDesignator::TfsVariableDesignator(TfsScript* script, TfsCustomVariable* variable)
    : TfsDesignator(script), variable_(variable) {
    TfsDesignatorItem step;
    step.kind = TfsStepKind::Variable;
    step.ref = variable;
    steps_.push_back(std::move(step));
    SetTyp(variable->Typ());
    SetTypeName(variable->TypeName());
    SetIsReadOnly(variable->IsReadOnly());
}

}  // namespace lumaro
