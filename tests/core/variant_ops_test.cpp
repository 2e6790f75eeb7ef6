#include <gtest/gtest.h>

#include <functional>

#include "support/raised.h"
#include "core/error.h"
#include "core/variant_ops.h"

using namespace lumaro;
using lumaro::testing::raisedMessage;

namespace {


const Variant kNull = Variant::null();

}  // namespace

TEST(VariantOps, ArithmeticByClassPair) {
    struct Case { VarOp op; Variant a, b, expect; };
    const Case cases[] = {
        // integer: + - * leave 32 bits as reals, / is real, div and mod stay integral
        {VarOp::Add, Variant(2000000000), Variant(2000000000), Variant(4000000000.0)},
        {VarOp::Multiply, Variant(-65536), Variant(65536), Variant(-4294967296.0)},
        {VarOp::Subtract, Variant(5), Variant(7), Variant(-2)},
        {VarOp::Divide, Variant(7), Variant(2), Variant(3.5)},
        {VarOp::IntDivide, Variant(-7), Variant(2), Variant(-3)},
        {VarOp::Modulus, Variant(-7), Variant(2), Variant(-1)},
        {VarOp::Modulus, Variant(7), Variant(-2), Variant(1)},
        {VarOp::Shr, Variant(-8), Variant(1), Variant(2147483644)},
        {VarOp::Shl, Variant(1), Variant(33), Variant(2)},
        {VarOp::Xor, Variant(12), Variant(10), Variant(6)},
        {VarOp::Add, Variant::smallInt(3), Variant(true), Variant(2)},  // True is -1
        // real: div, mod and bit operations round to integers first (ties to even)
        {VarOp::IntDivide, Variant(7.5), Variant(2), Variant(4)},
        {VarOp::Modulus, Variant(6.5), Variant(4), Variant(2)},
        {VarOp::And, Variant(7.4), Variant(3), Variant(3)},
        {VarOp::Multiply, Variant(1.5), Variant(2), Variant(3.0)},
        // strings: + concatenates, text with a number computes as real
        {VarOp::Add, Variant("ab"), Variant("cd"), Variant("abcd")},
        {VarOp::Add, Variant("12"), Variant(1), Variant(13.0)},
        {VarOp::Subtract, Variant("10"), Variant("4"), Variant(6.0)},
        // booleans: and, or, xor are logical, the rest real
        {VarOp::Or, Variant(false), Variant(true), Variant(true)},
        {VarOp::Xor, Variant(true), Variant("True"), Variant(false)},
        {VarOp::Add, Variant(true), Variant(true), Variant(-2.0)},
        // currency stays fixed-point
        {VarOp::Multiply, Variant::currency(15000), Variant(3), Variant::currency(45000)},
        {VarOp::Divide, Variant::currency(10000), Variant(3), Variant::currency(3333)},
        // dates: + and - give dates, the difference of two dates a number
        {VarOp::Add, Variant::date(40000), Variant(1.5), Variant::date(40001.5)},
        {VarOp::Subtract, Variant::date(40002), Variant::date(40000), Variant(2.0)},
        // Null in arithmetic gives Null
        {VarOp::Add, kNull, Variant(1), kNull},
        {VarOp::Multiply, Variant("x"), kNull, kNull},
    };
    for (const auto& c : cases) {
        const Variant r = VarBinaryOp(c.op, c.a, c.b);
        EXPECT_TRUE(r.identical(c.expect)) << int(c.op) << ": " << c.a.toString() << ", " << c.b.toString()
                                           << " -> " << varTypeName(r.type()) << " " << r.toString();
    }
}

TEST(VariantOps, Comparisons) {
    struct Case { Variant a, b; int expect; };
    const Case cases[] = {
        {kNull, kNull, 0},
        {kNull, Variant(-5), -1},
        {Variant(""), kNull, 1},
        {Variant("ab"), Variant("abc"), -1},   // a proper prefix is smaller
        {Variant("B"), Variant("a"), -1},      // case-sensitive, byte by byte
        {Variant("12"), Variant(9), 1},        // text with a number compares as real
        {Variant(2.5), Variant(2), 1},
        {Variant(true), Variant(false), 1},
        {Variant(-1), Variant(true), 0},       // integer class: True is -1
        {Variant::currency(25000), Variant(2.5), 0},
        {Variant::date(3), Variant(2), 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(VarCompare(c.a, c.b), c.expect) << c.a.toString() << " ? " << c.b.toString();
    EXPECT_TRUE(VarCompareOp(VarCmp::LessEqual, Variant(1), Variant(1.0)));
    EXPECT_TRUE(VarCompareOp(VarCmp::NotEqual, Variant("a"), Variant("A")));
}

TEST(VariantOps, ErrorsAndUnaryOperations) {
    EXPECT_EQ(raisedMessage([] { VarCompare(Variant(), Variant(1)); }), "Invalid variant operation");
    EXPECT_EQ(raisedMessage([] { VarCompare(kNull, Variant()); }), "Invalid variant operation");
    EXPECT_EQ(raisedMessage([] { VarBinaryOp(VarOp::Add, Variant(1), Variant()); }), "Invalid variant operation");
    EXPECT_EQ(raisedMessage([] { VarBinaryOp(VarOp::Subtract, Variant("abc"), Variant(1)); }),
              "Invalid variant type conversion");
    EXPECT_EQ(raisedMessage([] { VarBinaryOp(VarOp::IntDivide, Variant(1), Variant(0)); }), "Division by zero");
    EXPECT_EQ(raisedMessage([] { VarBinaryOp(VarOp::Divide, Variant(1.0), Variant(0)); }), "Division by zero");
    EXPECT_EQ(raisedMessage([] { VarNegate(Variant()); }), "Invalid variant operation");
    EXPECT_EQ(IntDiv32(INT32_MIN, -1), INT32_MIN);
    EXPECT_EQ(IntMod32(INT32_MIN, -1), 0);
    EXPECT_TRUE(VarNot(Variant(true)).identical(Variant(false)));
    EXPECT_TRUE(VarNot(Variant(5)).identical(Variant(-6)));
    EXPECT_TRUE(VarNot(kNull).isNull());
    EXPECT_TRUE(VarNegate(Variant(INT32_MIN)).identical(Variant(2147483648.0)));
    EXPECT_TRUE(VarNegate(Variant("2.5")).identical(Variant(-2.5)));
}
