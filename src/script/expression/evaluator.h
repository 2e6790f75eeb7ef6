#pragma once
// Evaluation of expression trees: one recursive function over the node's operation code, so
// that a tree is walked without a virtual call per node. Internal to the expression module.
#include "script/expression/expression_node.h"

namespace lumaro {

struct TfsEvaluator {
    static Variant Eval(const TfsExpressionNode* node);
    // The value as a 32-bit integer; Integer subtrees never build a Variant.
    static int32_t EvalInt(const TfsExpressionNode* node);
    // The value without a copy where one is stored (constants, plain variables); otherwise
    // it is evaluated into `tmp`.
    static const Variant& EvalRef(const TfsExpressionNode* node, Variant& tmp);
};

}  // namespace lumaro
