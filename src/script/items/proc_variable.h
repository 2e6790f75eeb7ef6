#pragma once
// A procedure or function written in a script. It has its own child script (parent: the
// declaring script) holding its parameters, its locals and, for functions, "Result".
#include <memory>
#include <string>
#include <vector>

#include "script/items/custom_variable.h"

namespace lumaro {

class TfsScript;

class TfsProcVariable : public TfsCustomVariable {
public:
    TfsProcVariable(std::string name, TfsVarType typ, std::string typeName, TfsScript* parent, bool isFunc);
    ~TfsProcVariable() override;

    TfsScript* Prog() const { return prog_.get(); }
    bool IsFunc() const { return isFunc_; }
    bool Executing() const { return depth_ > 0; }

    // The local variable that holds the value of parameter `index` while the procedure runs.
    TfsCustomVariable* ParamVariable(int index) const;
    void SetParamVariable(int index, TfsCustomVariable* local);
    // The local "Result" of a function.
    void SetResultVariable(TfsCustomVariable* result) { result_ = result; }

    // Calls the procedure with the actual parameters in order (missing ones keep the values
    // the locals have); by-reference parameter values are copied back into `args`. Gives
    // the function's "Result", Null for a procedure. A recursive call saves and restores the
    // values of every local and parameter.
    Variant Call(std::vector<Variant>& args);

    // Reading the item calls the procedure without parameters.
    Variant GetValue() override;

private:
    std::unique_ptr<TfsScript> prog_;
    std::vector<TfsCustomVariable*> paramVars_;
    TfsCustomVariable* result_ = nullptr;
    std::vector<Variant> saved_;  // values of outer levels during recursion
    // The items of the procedure's script that hold values of one call level.
    std::vector<TfsCustomVariable*> levelItems_;
    int levelItemsOf_ = -1;  // item count of the script when levelItems_ was taken
    const std::vector<TfsCustomVariable*>& levelItems();
    int depth_ = 0;
    bool isFunc_;
};

}  // namespace lumaro
