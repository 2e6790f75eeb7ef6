#pragma once
// An expression of a script: a binary tree of operator, constant, designator and set nodes,
// built once in infix order (operators placed by priority), type-checked once by Finish and
// evaluated any number of times.
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "script/expression/expression_node.h"
#include "script/expression/set_expression.h"
#include "script/items/custom_variable.h"

namespace lumaro {

class TfsScript;

// What an expression needs to know about the script's classes.
struct TfsExpressionHooks {
    // Class ancestry for the type check ("same or derived registered class").
    TfsClassInherits inherits;
    // "obj is TFoo": whether the object held by `object` is an instance of the class that
    // `classItem` (the right-hand designator) names, or of a class derived from it.
    std::function<bool(const Variant& object, TfsCustomVariable* classItem)> isInstance;
};

// Base of the expression items that stand wherever a value is read.
class TfsCustomExpression : public TfsCustomVariable {
public:
    TfsCustomExpression() : TfsCustomVariable("", fvtVariant, "Variant") {}
};

class TfsExpression : public TfsCustomExpression {
public:
    explicit TfsExpression(TfsScript* script = nullptr, const TfsExpressionHooks* hooks = nullptr);
    ~TfsExpression() override;

    // Building, in infix order. The position text set with SetSourcePos before each call is
    // copied into the new node. An unknown operator text adds nothing and returns false.
    bool AddOperator(std::string_view text);
    void AddConstant(const Variant& value);
    // Adds the constant a literal of the program stands for (ConstantFromText).
    void AddConstantText(std::string_view text);
    void AddDesignator(std::unique_ptr<TfsCustomVariable> designator);
    void AddDesignator(TfsCustomVariable* designator, bool owned);
    void AddSet(std::unique_ptr<TfsSetExpression> set);

    // Ends building: removes the placeholder root and checks the types bottom-up. Returns the
    // position text of the first node whose operands do not fit ("Nezdružjivi tipi"), or "".
    std::string Finish();

    // Evaluates the tree; a tree that is not finished or failed the check raises
    // "Invalid variant operation"; an empty tree gives Null.
    Variant GetValue() override;
    // Only a tree that is a single designator can be written; it writes through the designator.
    void SetValue(const Variant& value) override;
    const Variant* ValueRef() override;
    // The value as a 32-bit integer, without a Variant on the Integer paths.
    int32_t IntValue();
    bool BoolValue();

    // A constant a literal text stands for: 'text' is the string between the first and the
    // last character; an integer (decimal or "$" hexadecimal, read in 64 bits) keeps its low
    // 32 bits; otherwise a real with "." as the decimal separator; "" gives Null.
    static Variant ConstantFromText(std::string_view text);

    // Set unless the tree is a single designator that can be written (by-reference arguments).
    bool IsNotPlainVariable() const;
    // The single designator node the tree consists of, or nullptr.
    TfsDesignatorNode* SingleDesignator() const;

    // The characters of the program the expression was written as.
    const std::string& Source() const { return source_; }
    void SetSource(std::string source) { source_ = std::move(source); }
    TfsScript* Script() const { return script_; }
    TfsExpressionNode* Root() const { return root_; }

private:
    void AddOperand(TfsExpressionNode* node);
    bool AttachChild(TfsExpressionNode* parent, TfsExpressionNode* child);
    void ReplaceChild(TfsExpressionNode* parent, TfsExpressionNode* oldChild, TfsExpressionNode* newChild);
    void AddBinary(TfsExpressionNode* node);
    void CloseBracket();
    TfsExpressionNode* Check(TfsExpressionNode* node);
    void BuildError();

    TfsScript* script_;
    const TfsExpressionHooks* hooks_;
    TfsExpressionNode* root_;
    TfsExpressionNode* current_;
    std::string buildError_;  // position of the first element that could not be placed
    bool hasBuildError_ = false;
    std::string source_;
    std::string finishResult_;
    bool finished_ = false;
    bool checked_ = false;  // finished without an error: only such a tree is evaluated
};

}  // namespace lumaro
