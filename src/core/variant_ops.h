#pragma once
// Arithmetic, logic and comparison of Variants. The pair of value classes (empty, Null,
// integer, real, currency, string, boolean, date) selects how an operation computes:
//
//   left \ right  Empty   Null  Integer  Real  Currency String  Boolean Date
//   Empty         invalid everywhere
//   Null          invalid Null  Null     Null  Null     Null    Null    Null
//   Integer       invalid Null  integer  real  currency real    integer date
//   Real          invalid Null  real     real  currency real    real    date
//   Currency      invalid Null  currency curr. currency currency currency date
//   String        invalid Null  real     real  currency string  boolean date
//   Boolean       invalid Null  integer  real  currency boolean boolean date
//   Date          invalid Null  date     date  date     date    date    date
//
// "invalid" raises EVariantError "Invalid variant operation"; text that holds no number
// raises "Invalid variant type conversion"; a zero divisor raises EDivByZero "Division by zero".
#include <cstdint>

#include "core/variant.h"

namespace lumaro {

enum class VarOp : uint8_t { Add, Subtract, Multiply, Divide, IntDivide, Modulus, And, Or, Xor, Shl, Shr };
enum class VarCmp : uint8_t { Equal, NotEqual, Less, LessEqual, Greater, GreaterEqual };

// a op b. Integers: + - * that leave 32 bits give a real; / is always real; div, mod, and,
// or, xor, shl, shr stay 32-bit. Reals, currency and dates convert to 32-bit integers
// (rounding half to even) for div, mod and the bit operations.
Variant VarBinaryOp(VarOp op, const Variant& a, const Variant& b);

// Ordering of two values: negative, zero or positive. Null equals Null and is less than
// every other value; an empty value raises "Invalid variant operation".
int VarCompare(const Variant& a, const Variant& b);
bool VarCompareOp(VarCmp op, const Variant& a, const Variant& b);
// Whether an ordering (negative, zero, positive) satisfies the comparison.
inline bool CompareHolds(VarCmp op, int order) {
    switch (op) {
        case VarCmp::Equal: return order == 0;
        case VarCmp::NotEqual: return order != 0;
        case VarCmp::Less: return order < 0;
        case VarCmp::LessEqual: return order <= 0;
        case VarCmp::Greater: return order > 0;
        case VarCmp::GreaterEqual: return order >= 0;
    }
    return false;
}
inline bool VarEquals(const Variant& a, const Variant& b) { return VarCompare(a, b) == 0; }

// Logical not of a boolean, bitwise not of a number; Null stays Null.
Variant VarNot(const Variant& a);
// Negation; Null stays Null; the negation of the smallest integer becomes a real.
Variant VarNegate(const Variant& a);

// 32-bit integer arithmetic that wraps around, as the script's Integer operations compute.
// div truncates toward zero, mod takes the sign of the dividend; a zero divisor raises
// "Division by zero"; the one overflowing quotient (-2147483648 div -1) wraps as well.
inline int32_t IntAdd32(int32_t a, int32_t b) { return static_cast<int32_t>(static_cast<uint32_t>(a) + static_cast<uint32_t>(b)); }
inline int32_t IntSub32(int32_t a, int32_t b) { return static_cast<int32_t>(static_cast<uint32_t>(a) - static_cast<uint32_t>(b)); }
inline int32_t IntMul32(int32_t a, int32_t b) { return static_cast<int32_t>(static_cast<uint32_t>(a) * static_cast<uint32_t>(b)); }
int32_t IntDiv32(int32_t a, int32_t b);
int32_t IntMod32(int32_t a, int32_t b);
// Shifts use the low five bits of the count; shr shifts in zeros.
inline int32_t IntShl32(int32_t a, int32_t n) { return static_cast<int32_t>(static_cast<uint32_t>(a) << (n & 31)); }
inline int32_t IntShr32(int32_t a, int32_t n) { return static_cast<int32_t>(static_cast<uint32_t>(a) >> (n & 31)); }

}  // namespace lumaro
