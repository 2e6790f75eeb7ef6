#include "script/expression/expression.h"

#include "core/error.h"
#include "core/number_text.h"
#include "script/expression/evaluator.h"

namespace lumaro {

TfsExpression::TfsExpression(TfsScript* script, const TfsExpressionHooks* hooks)
    : script_(script), hooks_(hooks) {
    root_ = new TfsOperatorNode(TfsNodeOp::None, "");
    current_ = root_;
}

TfsExpression::~TfsExpression() { delete root_; }

void TfsExpression::BuildError() {
    if (!hasBuildError_) buildError_ = SourcePos();
    hasBuildError_ = true;
}

bool TfsExpression::AttachChild(TfsExpressionNode* parent, TfsExpressionNode* child) {
    if (!parent || IsOperand(parent->op_)) return false;
    if (!parent->left_)
        parent->left_ = child;
    else if (!parent->right_)
        parent->right_ = child;
    else
        return false;
    child->parent_ = parent;
    return true;
}

void TfsExpression::ReplaceChild(TfsExpressionNode* parent, TfsExpressionNode* oldChild,
                                 TfsExpressionNode* newChild) {
    if (parent->left_ == oldChild)
        parent->left_ = newChild;
    else
        parent->right_ = newChild;
    if (newChild) newChild->parent_ = parent;
}

void TfsExpression::AddOperand(TfsExpressionNode* node) {
    if (finished_ || !AttachChild(current_, node)) {
        delete node;
        BuildError();
        return;
    }
    current_ = node;
}

void TfsExpression::AddConstant(const Variant& value) { AddOperand(new TfsOperandNode(value, SourcePos())); }

void TfsExpression::AddConstantText(std::string_view text) { AddConstant(ConstantFromText(text)); }

void TfsExpression::AddDesignator(std::unique_ptr<TfsCustomVariable> designator) {
    AddOperand(new TfsDesignatorNode(designator.release(), true, SourcePos()));
}

void TfsExpression::AddDesignator(TfsCustomVariable* designator, bool owned) {
    AddOperand(new TfsDesignatorNode(designator, owned, SourcePos()));
}

void TfsExpression::AddSet(std::unique_ptr<TfsSetExpression> set) {
    AddOperand(new TfsSetNode(std::move(set), SourcePos()));
}

bool TfsExpression::AddOperator(std::string_view text) {
    const TfsOperatorInfo* info = FindOperator(text);
    if (!info) return false;
    switch (info->op) {
        case TfsNodeOp::LeftBracket:
        case TfsNodeOp::Not:
        case TfsNodeOp::UnMinus: AddOperand(new TfsOperatorNode(info->op, SourcePos())); break;
        case TfsNodeOp::RightBracket: CloseBracket(); break;
        default: AddBinary(new TfsOperatorNode(info->op, SourcePos())); break;
    }
    return true;
}

// A binary operator takes the operand before it as its left child: it climbs from the
// current node while its priority is not smaller than the node's (so equal priorities group
// to the left), stopping below an open bracket, and takes the subtree it climbed over.
void TfsExpression::AddBinary(TfsExpressionNode* node) {
    TfsExpressionNode* x = current_;
    TfsExpressionNode* m = nullptr;
    if (finished_ || !x) {
        delete node;
        BuildError();
        return;
    }
    if (x->op_ != TfsNodeOp::LeftBracket) {
        m = x;
        x = x->parent_;
    }
    const int priority = node->Priority();
    while (x && priority >= x->Priority()) {
        m = x;
        x = x->parent_;
    }
    if (!x) {  // only when a tree that was finished is extended
        delete node;
        BuildError();
        return;
    }
    if (m) {
        ReplaceChild(x, m, node);
        node->left_ = m;
        m->parent_ = node;
    } else if (!AttachChild(x, node)) {
        delete node;
        BuildError();
        return;
    }
    current_ = node;
}

// ")" climbs to the matching "(" and replaces it by its content, which becomes the current
// node: the next operator then takes the whole bracketed subtree as its operand.
void TfsExpression::CloseBracket() {
    TfsExpressionNode* x = current_;
    while (x && x->op_ != TfsNodeOp::LeftBracket && OperatorInfo(TfsNodeOp::RightBracket).priority >= x->Priority())
        x = x->parent_;
    if (finished_ || !x || x->op_ != TfsNodeOp::LeftBracket || !x->left_ || x->right_) {
        BuildError();
        return;
    }
    TfsExpressionNode* content = x->left_;
    x->left_ = nullptr;
    ReplaceChild(x->parent_, x, content);
    delete x;
    current_ = content;
}

std::string TfsExpression::Finish() {
    if (finished_) return finishResult_;
    finished_ = true;
    TfsExpressionNode* placeholder = root_;
    root_ = placeholder->left_;
    if (placeholder->right_) BuildError();
    placeholder->left_ = nullptr;
    delete placeholder;
    current_ = root_;
    if (root_) root_->parent_ = nullptr;
    if (hasBuildError_) {
        finishResult_ = buildError_;
    } else if (TfsExpressionNode* bad = root_ ? Check(root_) : nullptr) {
        finishResult_ = bad->SourcePos();
    } else {
        checked_ = true;
        if (root_) {
            SetTyp(root_->Typ());
            SetTypeName(root_->TypeName());
        }
    }
    return finishResult_;
}

namespace {
using Ops = uint32_t;
constexpr Ops opBit(TfsNodeOp op) { return Ops(1) << static_cast<int>(op); }
constexpr Ops kComparisons = opBit(TfsNodeOp::Great) | opBit(TfsNodeOp::Less) | opBit(TfsNodeOp::LessEq) |
                             opBit(TfsNodeOp::GreatEq) | opBit(TfsNodeOp::NonEq) | opBit(TfsNodeOp::Eq);
constexpr Ops kAll = ~Ops(0);

// Operators the left operand's kind allows, indexed by TfsVarType.
constexpr Ops kAllowed[] = {
    /* Integer */ kAll,
    /* Boolean */ opBit(TfsNodeOp::NonEq) | opBit(TfsNodeOp::Eq) | opBit(TfsNodeOp::Or) | opBit(TfsNodeOp::Xor) |
        opBit(TfsNodeOp::And) | opBit(TfsNodeOp::Not),
    /* Float */ kAll,
    /* Char */ kComparisons | opBit(TfsNodeOp::Plus) | opBit(TfsNodeOp::StrCat) | opBit(TfsNodeOp::In),
    /* String */ kComparisons | opBit(TfsNodeOp::Plus) | opBit(TfsNodeOp::StrCat) | opBit(TfsNodeOp::In),
    /* Class */ opBit(TfsNodeOp::NonEq) | opBit(TfsNodeOp::Eq),
    /* Array */ opBit(TfsNodeOp::NonEq) | opBit(TfsNodeOp::Eq),
    /* Variant */ kAll,
    /* Enum */ kAll,
    /* Constructor */ 0,
};
}  // namespace

// Bottom-up: sets each operator's kind and flags; returns the first node that fails.
TfsExpressionNode* TfsExpression::Check(TfsExpressionNode* node) {
    switch (node->op_) {
        case TfsNodeOp::Constant: node->pure_ = true; return nullptr;
        case TfsNodeOp::Designator: {
            auto* d = static_cast<TfsDesignatorNode*>(node);
            d->ref_ = d->designator_->ValueRef();
            d->pure_ = d->ref_ != nullptr;
            d->SetTyp(d->designator_->Typ());
            d->SetTypeName(d->designator_->TypeName());
            return nullptr;
        }
        case TfsNodeOp::Set: return nullptr;
        case TfsNodeOp::LeftBracket:
        case TfsNodeOp::RightBracket:
        case TfsNodeOp::None: return node;  // an unclosed bracket
        default: break;
    }
    // Unary operators have exactly a left operand, the others both.
    const bool unary = node->op_ == TfsNodeOp::Not || node->op_ == TfsNodeOp::UnMinus;
    if (!node->left_ || (unary ? node->right_ != nullptr : node->right_ == nullptr)) return node;
    for (TfsExpressionNode* child : {node->left_, node->right_})
        if (child)
            if (TfsExpressionNode* bad = Check(child)) return bad;

    const TfsVarType lk = node->left_ ? node->left_->Typ() : fvtVariant;
    const TfsVarType rk = node->right_ ? node->right_->Typ() : fvtVariant;
    static const std::string kVariantName = "Variant";
    const std::string& ln = node->left_ ? node->left_->TypeName() : kVariantName;
    const std::string& rn = node->right_ ? node->right_->TypeName() : kVariantName;
    node->bothInt_ = lk == fvtInt && rk == fvtInt;
    node->bothBool_ = lk == fvtBool && rk == fvtBool;
    node->pure_ = (!node->left_ || node->left_->pure_) && (!node->right_ || node->right_->pure_);

    const TfsNodeOp op = node->op_;
    if (op == TfsNodeOp::Is) static_cast<TfsOperatorNode*>(node)->hooks_ = hooks_;
    // Text concatenation converts its other operand to text, so a number joins a text
    // ("Count: " & n) instead of being refused as an incompatible type.
    const auto isText = [](TfsVarType k) { return k == fvtString || k == fvtChar; };
    const bool textConcat = op == TfsNodeOp::StrCat && (isText(lk) || isText(rk));
    if (textConcat) {
        node->SetTyp(fvtString);
        node->SetTypeName("String");
        return nullptr;
    }
    if (!(op == TfsNodeOp::Is && lk == fvtClass && rk == fvtClass)) {
        if (!TypesCompatible(lk, ln, rk, rn, hooks_ ? hooks_->inherits : TfsClassInherits{})) return node;
        if (lk > fvtConstructor || !(kAllowed[lk] & opBit(op))) return node;
    }
    if (IsComparison(op) || op == TfsNodeOp::In || op == TfsNodeOp::Is) {
        node->SetTyp(fvtBool);
        node->SetTypeName("Boolean");
    } else if (op == TfsNodeOp::DivFloat || (lk == fvtInt && rk == fvtFloat)) {
        // "/" always gives a real, whatever its operands are.
        node->SetTyp(fvtFloat);
        node->SetTypeName("Extended");
    } else {
        node->SetTyp(lk);
        node->SetTypeName(ln);
    }
    return nullptr;
}

Variant TfsExpression::GetValue() {
    if (!checked_) throw EVariantError(kInvalidVariantOperation);
    return root_ ? TfsEvaluator::Eval(root_) : Variant::null();
}

int32_t TfsExpression::IntValue() {
    if (!checked_) throw EVariantError(kInvalidVariantOperation);
    return root_ ? TfsEvaluator::EvalInt(root_) : Variant::null().toInt();
}

bool TfsExpression::BoolValue() { return GetValue().toBool(); }

TfsDesignatorNode* TfsExpression::SingleDesignator() const {
    return root_ && root_->op_ == TfsNodeOp::Designator ? static_cast<TfsDesignatorNode*>(root_) : nullptr;
}

void TfsExpression::SetValue(const Variant& value) {
    if (TfsDesignatorNode* d = SingleDesignator()) d->designator_->SetValue(value);
}

const Variant* TfsExpression::ValueRef() {
    if (!root_ || !checked_) return nullptr;
    if (root_->op_ == TfsNodeOp::Constant) return &root_->StoredValue();
    if (TfsDesignatorNode* d = SingleDesignator()) return d->ref_;
    return nullptr;
}

bool TfsExpression::IsNotPlainVariable() const {
    TfsDesignatorNode* d = SingleDesignator();
    return !d || d->designator_->IsReadOnly();
}

Variant TfsExpression::ConstantFromText(std::string_view text) {
    if (text.empty()) return Variant::null();
    if (text.front() == '\'') return Variant(text.size() >= 2 ? text.substr(1, text.size() - 2) : std::string_view());
    if (auto v = tryStrToInt64(text)) return Variant(static_cast<int>(static_cast<uint32_t>(static_cast<uint64_t>(*v))));
    if (auto v = tryStrToFloatSep(text, ".")) return Variant(*v);
    throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

}  // namespace lumaro
