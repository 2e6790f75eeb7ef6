#pragma once
// Designators: access paths such as x, a[i, j], s[3], Obj.Items[2].Name, f(1, 2), TFoo(x).
// Reading evaluates the steps left to right; each step passes the value the previous one
// produced as the instance of the next member. Writing evaluates all but the last step and
// writes through the last one.
#include <memory>
#include <string>
#include <vector>

#include "script/items/custom_variable.h"
#include "script/script.h"

namespace lumaro {

class TfsCustomHelper;
class TfsMethodHelper;
class TfsProcVariable;

enum class TfsStepKind : uint8_t {
    Variable,     // a script variable, constant or parameter
    Proc,         // a script procedure or function call
    Member,       // a host function, method, property or event (TfsCustomHelper)
    ClassRef,     // a class name: the class reference
    Cast,         // a class or type name with one argument: the argument unchanged
    Index,        // [..] on an array value (or, for Variant values, on a string)
    CharIndex,    // [i] on a string: one character, 1-based
    LateMember,   // .name on a Variant: resolved by the class of the object at run time
};

// One step of a designator: the item it refers to and its argument expressions.
struct TfsDesignatorItem {
    TfsStepKind kind = TfsStepKind::Variable;
    TfsCustomVariable* ref = nullptr;
    std::string name;  // member name of a late step
    std::vector<std::unique_ptr<TfsCustomVariable>> args;
    // Per argument: the designator a by-reference parameter writes back into (else nullptr).
    std::vector<TfsCustomVariable*> byRef;
    // Macro functions receive these source texts instead of the argument values.
    std::vector<std::string> macroTexts;
    bool macro = false;
    // Static type of the step's value, and whether an indexed property still waits for its
    // index (both used while the program is built).
    TfsVarType typ = fvtVariant;
    std::string typeName = "Variant";
    bool pendingIndex = false;
    // Cache of a late step: the helper found for the class last seen.
    const void* lateClass = nullptr;
    TfsCustomHelper* lateHelper = nullptr;
};

class TfsDesignator : public TfsCustomVariable {
public:
    explicit TfsDesignator(TfsScript* script);
    ~TfsDesignator() override;

    Variant GetValue() override;
    void SetValue(const Variant& value) override;

    std::vector<TfsDesignatorItem>& Steps() { return steps_; }
    TfsDesignatorItem& Last() { return steps_.back(); }
    TfsScript* Script() const { return script_; }

protected:
    // Value after the first `count` steps.
    Variant readSteps(size_t count);
    Variant readStep(TfsDesignatorItem& step, const Variant& prev);
    void writeStep(size_t index, const Variant& value);
    void evalArgs(TfsDesignatorItem& step, std::vector<Variant>& out);
    void writeBack(TfsDesignatorItem& step, const std::vector<Variant>& args);
    TfsCustomHelper* lateMember(TfsDesignatorItem& step, const Variant& prev);
    TfsCustomHelper* defaultProperty(const Variant& object);
    static void completeArgs(TfsCustomVariable* member, std::vector<Variant>& args);
    // The indexed property a late member step names when the index step follows it.
    TfsMethodHelper* lateIndexed(size_t index, const Variant& prev);

    TfsScript* script_;
    std::vector<TfsDesignatorItem> steps_;
};

// The shortcut for a designator that is a single variable, constant or parameter.
class TfsVariableDesignator : public TfsDesignator {
public:
    TfsVariableDesignator(TfsScript* script, TfsCustomVariable* variable);
    Variant GetValue() override { return variable_->GetValue(); }
    void SetValue(const Variant& value) override { variable_->SetValue(value); }
    const Variant* ValueRef() override { return variable_->ValueRef(); }
    TfsCustomVariable* Variable() const { return variable_; }

private:
    TfsCustomVariable* variable_;
};

// Indexing helpers shared by designators and host code.
// Element of an array value at 1 to 3 indexes ("Variant array index out of bounds" outside
// the bounds); arrays of more than three dimensions read as Null.
Variant fsArrayGet(const Variant& array, const std::vector<Variant>& indexes);
// Writes an element in place; arrays of more than three dimensions ignore writes.
void fsArraySet(Variant& array, const std::vector<Variant>& indexes, const Variant& value);
// Character `index` (1-based, in characters) of a text; outside 1..length raises a run-time error.
std::string fsStringGet(const std::string& text, int index);
void fsStringSet(std::string& text, int index, const std::string& character);

}  // namespace lumaro
