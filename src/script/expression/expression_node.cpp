#include "script/expression/expression_node.h"

#include "script/expression/evaluator.h"
#include "script/expression/set_expression.h"

namespace lumaro {

namespace {
TfsVarType kindOfConstant(const Variant& v) {
    switch (v.type()) {
        case VarType::Boolean: return fvtBool;
        case VarType::Single:
        case VarType::Double:
        case VarType::Currency: return fvtFloat;
        case VarType::String: return fvtString;
        default: return fvtInt;
    }
}
}  // namespace

TfsExpressionNode::TfsExpressionNode(TfsNodeOp op, std::string pos)
    : TfsCustomVariable("", fvtVariant, "Variant"), op_(op) {
    SetSourcePos(std::move(pos));
}

TfsExpressionNode::~TfsExpressionNode() {
    delete left_;
    delete right_;
}

Variant TfsExpressionNode::GetValue() { return TfsEvaluator::Eval(this); }

TfsOperandNode::TfsOperandNode(const Variant& value, std::string pos)
    : TfsExpressionNode(TfsNodeOp::Constant, std::move(pos)) {
    value_ = value;
    const TfsVarType kind = kindOfConstant(value);
    SetTyp(kind);
    SetTypeName(TypeKindText(kind, ""));
    isInt_ = value.isOrdinal();
    if (isInt_) int_ = value.rawInt();
}

TfsDesignatorNode::TfsDesignatorNode(TfsCustomVariable* designator, bool owned, std::string pos)
    : TfsOperandNode(TfsNodeOp::Designator, std::move(pos)), designator_(designator), owned_(owned) {
    SetTyp(designator->Typ());
    SetTypeName(designator->TypeName());
}

TfsDesignatorNode::~TfsDesignatorNode() {
    if (owned_) delete designator_;
}

TfsSetNode::TfsSetNode(std::unique_ptr<TfsSetExpression> set, std::string pos)
    : TfsOperandNode(TfsNodeOp::Set, std::move(pos)), set_(std::move(set)) {}

TfsSetNode::~TfsSetNode() = default;

}  // namespace lumaro
