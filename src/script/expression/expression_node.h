#pragma once
// Nodes of an expression tree. Every node is a variable-like item whose reading evaluates
// the subtree below it. Operands (constants, designators, sets) are leaves; operator nodes
// hold their operands as left and right child (unary operators only the left one).
#include <memory>

#include "script/expression/operators.h"
#include "script/items/custom_variable.h"

namespace lumaro {

class TfsSetExpression;
struct TfsExpressionHooks;

class TfsExpressionNode : public TfsCustomVariable {
public:
    ~TfsExpressionNode() override;

    Variant GetValue() override;

    TfsNodeOp Op() const { return op_; }
    int Code() const { return OperatorInfo(op_).code; }
    int Priority() const { return OperatorInfo(op_).priority; }
    TfsExpressionNode* Left() const { return left_; }
    TfsExpressionNode* Right() const { return right_; }
    TfsExpressionNode* Parent() const { return parent_; }
    // Evaluating the subtree cannot change any value (constants and plain variables only).
    bool IsPure() const { return pure_; }

protected:
    TfsExpressionNode(TfsNodeOp op, std::string pos);

private:
    friend class TfsExpression;
    friend struct TfsEvaluator;

    TfsExpressionNode* left_ = nullptr;   // owned
    TfsExpressionNode* right_ = nullptr;  // owned
    TfsExpressionNode* parent_ = nullptr;
    TfsNodeOp op_;

protected:
    // Set by the type check: both operands statically Integer / Boolean; see IsPure.
    bool bothInt_ = false;
    bool bothBool_ = false;
    bool pure_ = false;
};

// A constant; its type kind follows the value: Boolean, Float (single, double, currency),
// String, or Integer for everything else.
class TfsOperandNode : public TfsExpressionNode {
public:
    TfsOperandNode(const Variant& value, std::string pos);

protected:
    TfsOperandNode(TfsNodeOp op, std::string pos) : TfsExpressionNode(op, std::move(pos)) {}

private:
    friend struct TfsEvaluator;
    friend class TfsExpression;
    int32_t int_ = 0;   // the value when it is a 32-bit integer
    bool isInt_ = false;
};

// Reads (and for a single-designator tree writes) through a designator of the interpreter.
class TfsDesignatorNode : public TfsOperandNode {
public:
    TfsDesignatorNode(TfsCustomVariable* designator, bool owned, std::string pos);
    ~TfsDesignatorNode() override;
    TfsCustomVariable* Designator() const { return designator_; }

private:
    friend struct TfsEvaluator;
    friend class TfsExpression;
    TfsCustomVariable* designator_;
    const Variant* ref_ = nullptr;  // the designator's storage, when reading it computes nothing
    bool owned_;
};

// A set constructor "[a, b..c]"; as a value it gives a Variant array.
class TfsSetNode : public TfsOperandNode {
public:
    TfsSetNode(std::unique_ptr<TfsSetExpression> set, std::string pos);
    ~TfsSetNode() override;
    TfsSetExpression* SetExpression() const { return set_.get(); }

private:
    std::unique_ptr<TfsSetExpression> set_;
};

// An operator; its code and priority come from the operator table.
class TfsOperatorNode : public TfsExpressionNode {
public:
    TfsOperatorNode(TfsNodeOp op, std::string pos) : TfsExpressionNode(op, std::move(pos)) {}
    bool BothInteger() const { return bothInt_; }
    bool BothBoolean() const { return bothBool_; }

private:
    friend class TfsExpression;
    friend struct TfsEvaluator;
    const TfsExpressionHooks* hooks_ = nullptr;  // for "is"
};

}  // namespace lumaro
