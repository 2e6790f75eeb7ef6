#include "script/expression/evaluator.h"

#include "core/error.h"
#include "core/variant_ops.h"
#include "script/expression/expression.h"
#include "script/expression/set_expression.h"

namespace lumaro {

namespace {

VarCmp comparisonOf(TfsNodeOp op) {
    static const VarCmp kCmp[] = {VarCmp::Greater, VarCmp::Less,     VarCmp::LessEqual,
                                  VarCmp::GreaterEqual, VarCmp::NotEqual, VarCmp::Equal};
    return kCmp[static_cast<int>(op) - static_cast<int>(TfsNodeOp::Great)];
}

VarOp variantOpOf(TfsNodeOp op) {
    switch (op) {
        case TfsNodeOp::Plus:
        case TfsNodeOp::StrCat: return VarOp::Add;
        case TfsNodeOp::Minus: return VarOp::Subtract;
        case TfsNodeOp::Or: return VarOp::Or;
        case TfsNodeOp::Xor: return VarOp::Xor;
        case TfsNodeOp::Mul: return VarOp::Multiply;
        case TfsNodeOp::DivFloat: return VarOp::Divide;
        case TfsNodeOp::DivInt: return VarOp::IntDivide;
        case TfsNodeOp::Mod: return VarOp::Modulus;
        case TfsNodeOp::And: return VarOp::And;
        case TfsNodeOp::Shl: return VarOp::Shl;
        default: return VarOp::Shr;
    }
}

// 32-bit arithmetic of the Integer fast path (operands already evaluated left to right).
int32_t intArithmetic(TfsNodeOp op, int32_t a, int32_t b) {
    switch (op) {
        case TfsNodeOp::Plus: return IntAdd32(a, b);
        case TfsNodeOp::Minus: return IntSub32(a, b);
        case TfsNodeOp::Mul: return IntMul32(a, b);
        case TfsNodeOp::DivInt: return IntDiv32(a, b);
        default: return IntMod32(a, b);
    }
}

bool hasIntFastPath(TfsNodeOp op) {
    return op == TfsNodeOp::Plus || op == TfsNodeOp::Minus || op == TfsNodeOp::Mul || op == TfsNodeOp::DivInt ||
           op == TfsNodeOp::Mod;
}

}  // namespace

// Both operands of a binary operator, left first. The left value is read in place only when
// evaluating the right one cannot change it; otherwise it is copied before.
struct BinaryOperands {
    TfsValueSlot leftSlot, rightSlot;
    const Variant* left;
    const Variant* right;
    explicit BinaryOperands(const TfsExpressionNode* node) {
        left = &TfsEvaluator::EvalRef(node->Left(), leftSlot);
        if (!node->Right()->IsPure() && !leftSlot.used()) {
            const Variant* stored = left;
            left = &leftSlot.emplace([stored] { return *stored; });
        }
        right = &TfsEvaluator::EvalRef(node->Right(), rightSlot);
    }
};

// Whether the node's value is a 32-bit Integer now, so that comparing through EvalInt is
// exact. Only asked of subtrees whose evaluation changes nothing.
bool TfsEvaluator::IsPlainInt(const TfsExpressionNode* node) {
    switch (node->op_) {
        case TfsNodeOp::Constant: return static_cast<const TfsOperandNode*>(node)->isInt_;
        case TfsNodeOp::Designator: {
            auto* d = static_cast<const TfsDesignatorNode*>(node);
            return d->ref_ && d->ref_->type() == VarType::Integer;
        }
        default: return node->bothInt_ && hasIntFastPath(node->op_);
    }
}

const Variant& TfsEvaluator::EvalRef(const TfsExpressionNode* node, TfsValueSlot& slot) {
    if (node->op_ == TfsNodeOp::Constant) return static_cast<const TfsOperandNode*>(node)->value_;
    if (node->op_ == TfsNodeOp::Designator) {
        auto* d = static_cast<const TfsDesignatorNode*>(node);
        if (d->ref_) return *d->ref_;
        return slot.emplace([d] { return d->designator_->GetValue(); });
    }
    return slot.emplace([node] { return Eval(node); });
}

int32_t TfsEvaluator::EvalInt(const TfsExpressionNode* node) {
    switch (node->op_) {
        case TfsNodeOp::Constant: {
            auto* c = static_cast<const TfsOperandNode*>(node);
            return c->isInt_ ? c->int_ : c->value_.toInt();
        }
        case TfsNodeOp::Designator: {
            auto* d = static_cast<const TfsDesignatorNode*>(node);
            if (d->ref_) return d->ref_->type() == VarType::Integer ? d->ref_->rawInt() : d->ref_->toInt();
            const Variant v = d->designator_->GetValue();
            return v.type() == VarType::Integer ? v.rawInt() : v.toInt();
        }
        case TfsNodeOp::Plus:
        case TfsNodeOp::Minus:
        case TfsNodeOp::Mul:
        case TfsNodeOp::DivInt:
        case TfsNodeOp::Mod:
            if (node->bothInt_) {
                const int32_t a = EvalInt(node->left_);
                return intArithmetic(node->op_, a, EvalInt(node->right_));
            }
            break;
        default: break;
    }
    const Variant v = Eval(node);
    return v.type() == VarType::Integer ? v.rawInt() : v.toInt();
}

Variant TfsEvaluator::Eval(const TfsExpressionNode* node) {
    const TfsNodeOp op = node->op_;
    switch (op) {
        case TfsNodeOp::Constant: return static_cast<const TfsOperandNode*>(node)->value_;
        case TfsNodeOp::Designator: {
            auto* d = static_cast<const TfsDesignatorNode*>(node);
            return d->ref_ ? *d->ref_ : d->designator_->GetValue();
        }
        case TfsNodeOp::Set: return static_cast<const TfsSetNode*>(node)->SetExpression()->GetValue();
        case TfsNodeOp::None:
        case TfsNodeOp::LeftBracket:
        case TfsNodeOp::RightBracket: return node->left_ ? Eval(node->left_) : Variant::null();

        case TfsNodeOp::Great:
        case TfsNodeOp::Less:
        case TfsNodeOp::LessEq:
        case TfsNodeOp::GreatEq:
        case TfsNodeOp::NonEq:
        case TfsNodeOp::Eq: {
            if (node->bothInt_ && node->pure_ && IsPlainInt(node->left_) && IsPlainInt(node->right_)) {
                const int32_t a = EvalInt(node->left_);
                const int32_t b = EvalInt(node->right_);
                return Variant(CompareHolds(comparisonOf(op), a < b ? -1 : (a > b ? 1 : 0)));
            }
            const BinaryOperands v(node);
            return Variant(VarCompareOp(comparisonOf(op), *v.left, *v.right));
        }

        case TfsNodeOp::StrCat: {
            const BinaryOperands v(node);
            if (v.left->isString()) return Variant(v.left->rawString() + v.right->toString());
            if (v.right->isString()) return Variant(v.left->toString() + v.right->rawString());
            if (node->bothInt_) return Variant(IntAdd32(v.left->toInt(), v.right->toInt()));
            return VarBinaryOp(VarOp::Add, *v.left, *v.right);
        }

        case TfsNodeOp::And:
        case TfsNodeOp::Or:
            if (node->bothBool_) {
                // Short circuit: the result is the last value evaluated.
                Variant a = Eval(node->left_);
                if (a.toBool() == (op == TfsNodeOp::Or)) return a;
                return Eval(node->right_);
            }
            [[fallthrough]];
        case TfsNodeOp::Plus:
        case TfsNodeOp::Minus:
        case TfsNodeOp::Mul:
        case TfsNodeOp::DivInt:
        case TfsNodeOp::Mod:
        case TfsNodeOp::DivFloat:
        case TfsNodeOp::Xor:
        case TfsNodeOp::Shl:
        case TfsNodeOp::Shr: {
            if (node->bothInt_ && hasIntFastPath(op)) {
                const int32_t a = EvalInt(node->left_);
                return Variant(intArithmetic(op, a, EvalInt(node->right_)));
            }
            const BinaryOperands v(node);
            return VarBinaryOp(variantOpOf(op), *v.left, *v.right);
        }

        case TfsNodeOp::Not: {
            TfsValueSlot slot;
            return VarNot(EvalRef(node->left_, slot));
        }
        case TfsNodeOp::UnMinus: {
            TfsValueSlot slot;
            return VarNegate(EvalRef(node->left_, slot));
        }

        case TfsNodeOp::In: {
            TfsValueSlot slot;
            const Variant a = EvalRef(node->left_, slot);
            if (node->right_->op_ == TfsNodeOp::Set)
                return Variant(static_cast<const TfsSetNode*>(node->right_)->SetExpression()->Contains(a));
            // Any other right side: a Variant array is searched, a single value compared.
            const Variant b = Eval(node->right_);
            if (b.isArray()) {
                for (const Variant& item : b.arrayData().items)
                    if (VarEquals(a, item)) return Variant(true);
                return Variant(false);
            }
            return Variant(VarEquals(a, b));
        }

        case TfsNodeOp::Is: {
            const Variant a = Eval(node->left_);
            if (node->right_->op_ != TfsNodeOp::Designator) throw EVariantError(kInvalidVariantOperation);
            auto* cls = static_cast<const TfsDesignatorNode*>(node->right_)->Designator();
            const TfsExpressionHooks* hooks = static_cast<const TfsOperatorNode*>(node)->hooks_;
            return Variant(hooks && hooks->isInstance && hooks->isInstance(a, cls));
        }
    }
    return Variant::null();
}

}  // namespace lumaro
