#pragma once
// The operators an expression tree knows: their text in the intermediate program, the node
// class that holds them, their code and their priority (the smaller binds tighter).
#include <cstdint>
#include <string_view>

namespace lumaro {

// What a node of an expression tree does. Operands first, then the operators in the order
// of their codes.
enum class TfsNodeOp : uint8_t {
    Constant,
    Designator,
    Set,
    None,  // root placeholder while the tree is built
    Great,
    Less,
    LessEq,
    GreatEq,
    NonEq,
    Eq,
    Plus,
    StrCat,
    Minus,
    Or,
    Xor,
    Mul,
    DivFloat,
    DivInt,
    Mod,
    And,
    Shl,
    Shr,
    LeftBracket,
    RightBracket,
    Not,
    UnMinus,
    In,
    Is,
};

struct TfsOperatorInfo {
    std::string_view text;       // upper case; empty for the placeholder and the operands
    std::string_view className;  // node class the operator stands for ("TPlusNode")
    TfsNodeOp op;
    uint8_t code;
    uint8_t priority;
};

const TfsOperatorInfo& OperatorInfo(TfsNodeOp op);
// The operator with the given text (compared without regard to case), or nullptr.
const TfsOperatorInfo* FindOperator(std::string_view text);

inline bool IsComparison(TfsNodeOp op) { return op >= TfsNodeOp::Great && op <= TfsNodeOp::Eq; }
inline bool IsOperand(TfsNodeOp op) { return op <= TfsNodeOp::Set; }

}  // namespace lumaro
