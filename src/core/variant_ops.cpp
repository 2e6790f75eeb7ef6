#include "core/variant_ops.h"

#include <cmath>
#include <cstdint>

#include "core/date_parse.h"
#include "core/error.h"
#include "core/text.h"

namespace lumaro {

namespace {

// Value classes of the operation table; Object only compares (by reference).
enum Cls : uint8_t { cEmpty, cNull, cInt, cReal, cCurr, cStr, cBool, cDate, cObject, cOther };

Cls classOf(VarType t) {
    static const Cls kClass[] = {cEmpty, cNull, cInt,  cInt,  cInt,   cReal, cReal,
                                 cCurr,  cDate, cStr,  cBool, cObject, cOther};
    return kClass[static_cast<int>(t)];
}

// How a pair of classes computes (rows: left, columns: right; cEmpty marks "invalid").
constexpr Cls kPair[8][8] = {
    /* Empty    */ {cEmpty, cEmpty, cEmpty, cEmpty, cEmpty, cEmpty, cEmpty, cEmpty},
    /* Null     */ {cEmpty, cNull, cNull, cNull, cNull, cNull, cNull, cNull},
    /* Integer  */ {cEmpty, cNull, cInt, cReal, cCurr, cReal, cInt, cDate},
    /* Real     */ {cEmpty, cNull, cReal, cReal, cCurr, cReal, cReal, cDate},
    /* Currency */ {cEmpty, cNull, cCurr, cCurr, cCurr, cCurr, cCurr, cDate},
    /* String   */ {cEmpty, cNull, cReal, cReal, cCurr, cStr, cBool, cDate},
    /* Boolean  */ {cEmpty, cNull, cInt, cReal, cCurr, cBool, cBool, cDate},
    /* Date     */ {cEmpty, cNull, cDate, cDate, cDate, cDate, cDate, cDate},
};

[[noreturn]] void invalidOperation() { throw EVariantError(kInvalidVariantOperation); }
[[noreturn]] void divisionByZero() { throw EDivByZero(kDivisionByZero); }

Cls pairClass(const Variant& a, const Variant& b) {
    const Cls ca = classOf(a.type()), cb = classOf(b.type());
    if (ca >= cObject || cb >= cObject) return cEmpty;
    return kPair[ca][cb];
}

bool fits32(int64_t v) { return v >= INT32_MIN && v <= INT32_MAX; }

double realDivide(double x, double y) {
    if (y == 0) divisionByZero();
    return x / y;
}

Variant intOp(VarOp op, int32_t x, int32_t y) {
    switch (op) {
        case VarOp::Add:
        case VarOp::Subtract:
        case VarOp::Multiply: {
            const int64_t r = op == VarOp::Add        ? int64_t(x) + y
                              : op == VarOp::Subtract ? int64_t(x) - y
                                                      : int64_t(x) * y;
            if (fits32(r)) return Variant(static_cast<int>(r));
            return Variant(static_cast<double>(r));
        }
        case VarOp::Divide: return Variant(realDivide(x, y));
        case VarOp::IntDivide: return Variant(IntDiv32(x, y));
        case VarOp::Modulus: return Variant(IntMod32(x, y));
        case VarOp::And: return Variant(x & y);
        case VarOp::Or: return Variant(x | y);
        case VarOp::Xor: return Variant(x ^ y);
        case VarOp::Shl: return Variant(IntShl32(x, y));
        case VarOp::Shr: return Variant(IntShr32(x, y));
    }
    invalidOperation();
}

bool isRealArithmetic(VarOp op) { return op <= VarOp::Divide; }

// Round half to even into 32 bits, raising a conversion error outside the range.
int32_t roundedInt(double v) { return Variant(v).toInt(); }

Variant realOp(VarOp op, double x, double y) {
    switch (op) {
        case VarOp::Add: return Variant(x + y);
        case VarOp::Subtract: return Variant(x - y);
        case VarOp::Multiply: return Variant(x * y);
        case VarOp::Divide: return Variant(realDivide(x, y));
        default: {
            const int32_t ix = roundedInt(x);
            return intOp(op, ix, roundedInt(y));
        }
    }
}

Variant realOp(VarOp op, const Variant& a, const Variant& b) {
    if (!isRealArithmetic(op)) {
        const int32_t x = a.toInt();
        return intOp(op, x, b.toInt());
    }
    const double x = a.toDouble();
    return realOp(op, x, b.toDouble());
}

int64_t checkedCurrency(__int128 v) {
    if (v > INT64_MAX || v < INT64_MIN) throw EIntOverflow(kIntegerOverflow);
    return static_cast<int64_t>(v);
}

// n / d rounded half to even.
__int128 divRoundHalfEven(__int128 n, __int128 d) {
    if (d < 0) n = -n, d = -d;
    __int128 q = n / d, r = n % d;
    const __int128 twice = (r < 0 ? -r : r) * 2;
    if (twice > d || (twice == d && (q & 1))) q += n < 0 ? -1 : 1;
    return q;
}

Variant currOp(VarOp op, const Variant& a, const Variant& b) {
    if (!isRealArithmetic(op)) {
        const int32_t x = a.toInt();
        return intOp(op, x, b.toInt());
    }
    const __int128 x = a.toCurrency();
    const __int128 y = b.toCurrency();
    switch (op) {
        case VarOp::Add: return Variant::currency(checkedCurrency(x + y));
        case VarOp::Subtract: return Variant::currency(checkedCurrency(x - y));
        case VarOp::Multiply: return Variant::currency(checkedCurrency(divRoundHalfEven(x * y, 10000)));
        default:
            if (y == 0) divisionByZero();
            return Variant::currency(checkedCurrency(divRoundHalfEven(x * 10000, y)));
    }
}

// A date operand as its day number; text is read as a date and time, else as a number.
double dateOf(const Variant& v) {
    if (v.isString()) {
        if (auto d = tryStrToDateTime(v.rawString())) return *d;
    }
    return v.toDouble();
}

Variant dateOp(VarOp op, const Variant& a, const Variant& b) {
    const double x = dateOf(a);
    const double y = dateOf(b);
    if (op == VarOp::Add) return Variant::date(x + y);
    if (op == VarOp::Subtract) {
        if (a.isDate() && b.isDate()) return Variant(x - y);
        return Variant::date(x - y);
    }
    return realOp(op, x, y);
}

template <typename T>
int cmp3(T x, T y) {
    return x < y ? -1 : (y < x ? 1 : 0);
}

uintptr_t referenceOf(const Variant& v) {
    if (v.isObject()) return reinterpret_cast<uintptr_t>(v.rawObject());
    if (v.isOrdinal()) return static_cast<uintptr_t>(static_cast<intptr_t>(v.rawInt()));
    invalidOperation();
}

}  // namespace

int32_t IntDiv32(int32_t a, int32_t b) {
    if (b == 0) divisionByZero();
    if (b == -1) return IntSub32(0, a);
    return a / b;
}

int32_t IntMod32(int32_t a, int32_t b) {
    if (b == 0) divisionByZero();
    if (b == -1) return 0;
    return a % b;
}

Variant VarBinaryOp(VarOp op, const Variant& a, const Variant& b) {
    if (a.type() == VarType::Integer && b.type() == VarType::Integer) return intOp(op, a.rawInt(), b.rawInt());
    if (a.type() == VarType::Double && b.type() == VarType::Double) return realOp(op, a.rawDouble(), b.rawDouble());
    switch (pairClass(a, b)) {
        case cNull: return Variant::null();
        case cInt: {
            const int32_t x = a.toInt();
            return intOp(op, x, b.toInt());
        }
        case cReal: return realOp(op, a, b);
        case cCurr: return currOp(op, a, b);
        case cStr:
            if (op == VarOp::Add) return Variant(a.rawString() + b.rawString());
            return realOp(op, a, b);
        case cBool:
            if (op == VarOp::And || op == VarOp::Or || op == VarOp::Xor) {
                const bool x = a.toBool();
                const bool y = b.toBool();
                return Variant(op == VarOp::And ? (x && y) : op == VarOp::Or ? (x || y) : (x != y));
            }
            return realOp(op, a, b);
        case cDate: return dateOp(op, a, b);
        default: invalidOperation();
    }
}

int VarCompare(const Variant& a, const Variant& b) {
    if (a.type() == VarType::Integer && b.type() == VarType::Integer) return cmp3(a.rawInt(), b.rawInt());
    if (a.type() == VarType::Double && b.type() == VarType::Double) return cmp3(a.rawDouble(), b.rawDouble());
    const Cls ca = classOf(a.type()), cb = classOf(b.type());
    if (ca == cEmpty || cb == cEmpty || ca == cOther || cb == cOther) invalidOperation();
    if (ca == cNull || cb == cNull) return int(cb == cNull) - int(ca == cNull);
    if (ca == cObject || cb == cObject) return cmp3(referenceOf(a), referenceOf(b));
    switch (kPair[ca][cb]) {
        case cInt: {
            const int32_t x = a.toInt();
            return cmp3(x, b.toInt());
        }
        case cReal: {
            const double x = a.toDouble();
            return cmp3(x, b.toDouble());
        }
        case cCurr: {
            const int64_t x = a.toCurrency();
            return cmp3(x, b.toCurrency());
        }
        case cStr: {
            const int c = compareStr(a.rawString(), b.rawString());
            return c < 0 ? -1 : (c > 0 ? 1 : 0);
        }
        case cBool: {
            const bool x = a.toBool();
            return cmp3(x, b.toBool());
        }
        case cDate: {
            const double x = dateOf(a);
            return cmp3(x, dateOf(b));
        }
        default: invalidOperation();
    }
}

bool VarCompareOp(VarCmp op, const Variant& a, const Variant& b) { return CompareHolds(op, VarCompare(a, b)); }

Variant VarNot(const Variant& a) {
    switch (classOf(a.type())) {
        case cNull: return Variant::null();
        case cBool: return Variant(!a.rawBool());
        case cInt: return Variant(~a.rawInt());
        case cReal:
        case cCurr:
        case cDate: return Variant(~a.toInt());
        case cStr: {
            // Text that reads as a number is negated bitwise, "True"/"False" logically.
            const std::string t = trim(a.rawString());
            if (sameText(t, "true") || sameText(t, "false")) return Variant(!a.toBool());
            return Variant(~a.toInt());
        }
        default: invalidOperation();
    }
}

Variant VarNegate(const Variant& a) {
    switch (classOf(a.type())) {
        case cNull: return Variant::null();
        case cInt:
        case cBool: {
            const int32_t x = a.toInt();
            if (x == INT32_MIN) return Variant(2147483648.0);
            return Variant(-x);
        }
        case cReal:
        case cStr: return Variant(-a.toDouble());
        case cCurr: return Variant::currency(checkedCurrency(-static_cast<__int128>(a.rawCurrency())));
        case cDate: return Variant::date(-a.rawDouble());
        default: invalidOperation();
    }
}

}  // namespace lumaro
