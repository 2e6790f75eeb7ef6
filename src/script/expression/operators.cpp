#include "script/expression/operators.h"

#include "core/text.h"

namespace lumaro {

namespace {
// Indexed by TfsNodeOp.
constexpr TfsOperatorInfo kOperators[] = {
    {"", "TfsOperandNode", TfsNodeOp::Constant, 0, 0},
    {"", "TfsDesignatorNode", TfsNodeOp::Designator, 0, 0},
    {"", "TfsSetNode", TfsNodeOp::Set, 0, 0},
    {"", "TNoneNode", TfsNodeOp::None, 0, 7},
    {">", "TGreatNode", TfsNodeOp::Great, 1, 4},
    {"<", "TLessNode", TfsNodeOp::Less, 2, 4},
    {"<=", "TLessEqNode", TfsNodeOp::LessEq, 3, 4},
    {">=", "TGreatEqNode", TfsNodeOp::GreatEq, 4, 4},
    {"<>", "TNonEqNode", TfsNodeOp::NonEq, 5, 4},
    {"=", "TEqNode", TfsNodeOp::Eq, 6, 4},
    {"+", "TPlusNode", TfsNodeOp::Plus, 7, 3},
    {"STRCAT", "TStrCatNode", TfsNodeOp::StrCat, 7, 3},
    {"-", "TMinusNode", TfsNodeOp::Minus, 8, 3},
    {"OR", "TOrNode", TfsNodeOp::Or, 9, 3},
    {"XOR", "TXorNode", TfsNodeOp::Xor, 10, 3},
    {"*", "TMulNode", TfsNodeOp::Mul, 11, 2},
    {"/", "TDivFloatNode", TfsNodeOp::DivFloat, 12, 2},
    {"DIV", "TDivIntNode", TfsNodeOp::DivInt, 13, 2},
    {"MOD", "TModNode", TfsNodeOp::Mod, 14, 2},
    {"AND", "TAndNode", TfsNodeOp::And, 15, 2},
    {"SHL", "TShlNode", TfsNodeOp::Shl, 16, 2},
    {"SHR", "TShrNode", TfsNodeOp::Shr, 17, 2},
    {"(", "TLeftBracketNode", TfsNodeOp::LeftBracket, 18, 6},
    {")", "TRightBracketNode", TfsNodeOp::RightBracket, 19, 5},
    {"NOT", "TNotNode", TfsNodeOp::Not, 20, 1},
    {"UNMINUS", "TUnMinusNode", TfsNodeOp::UnMinus, 21, 1},
    {"IN", "TInNode", TfsNodeOp::In, 22, 4},
    {"IS", "TIsNode", TfsNodeOp::Is, 23, 4},
};
}  // namespace

const TfsOperatorInfo& OperatorInfo(TfsNodeOp op) { return kOperators[static_cast<int>(op)]; }

const TfsOperatorInfo* FindOperator(std::string_view text) {
    if (text.empty()) return nullptr;
    for (const auto& info : kOperators)
        if (!info.text.empty() && sameText(info.text, text)) return &info;
    return nullptr;
}

}  // namespace lumaro
