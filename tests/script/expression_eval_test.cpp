#include <gtest/gtest.h>

#include <functional>

#include "core/error.h"
#include "core/format_settings.h"
#include "core/object.h"
#include "expression_tokens.h"

namespace lumaro {
namespace {

using testing::ExpressionTokens;

// A designator that computes: counts its reads and may run an action on each.
class CountingItem : public TfsCustomVariable {
public:
    CountingItem(TfsVarType typ, Variant result) : TfsCustomVariable("F", typ, ""), result_(std::move(result)) {}
    Variant GetValue() override {
        ++reads;
        if (action) action();
        return result_;
    }
    int reads = 0;
    std::function<void()> action;

private:
    Variant result_;
};

struct Env {
    TfsVariable i{"i", fvtInt, "Integer", Variant(7), false};
    TfsVariable big{"big", fvtInt, "Integer", Variant(2000000000), false};
    TfsVariable vbig{"vbig", fvtVariant, "Variant", Variant(2000000000), false};
    TfsVariable vs{"vs", fvtVariant, "Variant", Variant("12"), false};
    TfsVariable vnull{"vnull", fvtVariant, "Variant"};  // Null
    TfsVariable vempty{"vempty", fvtVariant, "Variant", Variant(), false};
    TfsVariable x{"x", fvtInt, "Integer", Variant(4), false};
    TfsVariable k{"k", fvtInt, "Integer", Variant(1), true};  // a constant
    TfsVariable b{"b", fvtBool, "Boolean", Variant(true), false};
    TfsVariable s{"s", fvtString, "String", Variant("ab"), false};
    testing::ItemMap items{{"i", &i},   {"big", &big},     {"vbig", &vbig}, {"vs", &vs}, {"vnull", &vnull},
                           {"vempty", &vempty}, {"x", &x}, {"k", &k},       {"b", &b},   {"s", &s}};
};

Variant eval(Env& env, const std::string& text) {
    std::string error;
    auto e = ExpressionTokens(env.items).Build(text, &error);
    EXPECT_EQ(error, "") << text;
    return e->GetValue();
}

std::string errorOf(Env& env, const std::string& text) {
    try {
        eval(env, text);
    } catch (const Exception& e) {
        return e.message();
    }
    return {};
}

TEST(ExpressionEval, ResultsOfTypicalExpressions) {
    ScopedFormatSettings sl(FormatSettings::slovenian());  // "," decimal: literals must not care
    struct Case { const char* text; Variant expect; };
    const Case cases[] = {
        // priorities and grouping
        {"2 + 3 * 4", Variant(14)},
        {"( 2 + 3 ) * 4", Variant(20)},
        {"10 - 4 - 3", Variant(3)},
        {"2 * ( 3 + ( 4 - 1 ) * 2 ) - 1", Variant(17)},
        {"not True and False", Variant(false)},
        {"not ( True and False )", Variant(true)},
        {"1 shl 4 + 1", Variant(17)},
        {"1 + 2 = 3", Variant(true)},
        {"1 < 2 = True", Variant(true)},
        {"unminus 2 * 3", Variant(-6)},
        {"2 - unminus 3", Variant(5)},
        {"i * i - i div 2", Variant(46)},
        // division and remainder
        {"7 div 2", Variant(3)},
        {"unminus 7 div 2", Variant(-3)},
        {"unminus 7 mod 2", Variant(-1)},
        {"7 / 2", Variant(3.5)},
        {"7 / 2 + 1", Variant(4.5)},
        {"7.5 div 2", Variant(4)},
        {"$1F xor 3", Variant(28)},
        {"unminus 8 shr 28", Variant(15)},
        // Integer operands wrap; Variant operands become reals when they overflow
        {"2000000000 + 2000000000", Variant(-294967296)},
        {"big + big", Variant(-294967296)},
        {"vbig + vbig", Variant(4000000000.0)},
        {"vbig * 3 - 1", Variant(5999999999.0)},
        {"3000000000", Variant(-1294967296)},
        {"1.5", Variant(1.5)},
        // strings and booleans
        {"'ab' + 'cd'", Variant("abcd")},
        {"s + 'c' = 'abc'", Variant(true)},
        {"'ab' < 'abc'", Variant(true)},
        {"'B' < 'a'", Variant(true)},
        {"vs + 1", Variant(13.0)},
        {"b xor True", Variant(false)},
        {"5 and 3 or 8", Variant(9)},
        // sets
        {"x in [ 1 , 3 .. 5 ]", Variant(true)},
        {"2 in [ 1 , 3 .. 5 ]", Variant(false)},
        {"5 in [ 1 , 3 .. i - 2 ]", Variant(true)},
        {"'b' in [ 'a' .. 'c' ]", Variant(true)},
        // Null
        {"vnull = vnull", Variant(true)},
        {"vnull < 0", Variant(true)},
        {"vnull + 1", Variant::null()},
    };
    for (const auto& c : cases) {
        Env env;
        const Variant r = eval(env, c.text);
        EXPECT_TRUE(r.identical(c.expect)) << c.text << " -> " << varTypeName(r.type()) << " " << r.toString();
    }
}

TEST(ExpressionEval, RunTimeErrors) {
    struct Case { const char* text; const char* message; };
    const Case cases[] = {
        {"vempty = 1", "Invalid variant operation"},
        {"vnull = vempty", "Invalid variant operation"},
        {"1 div ( i - 7 )", "Division by zero"},
        {"vbig mod 0", "Division by zero"},
        {"1 / 0", "Division by zero"},
        {"vs - 'x'", "Invalid variant type conversion"},
    };
    for (const auto& c : cases) {
        Env env;
        EXPECT_EQ(errorOf(env, c.text), c.message) << c.text;
    }
}

TEST(ExpressionEval, TypeCheckGivesPositionOfOffendingOperator) {
    struct Case { const char* text; const char* pos; };
    const Case cases[] = {
        {"'a' - 1", "1:2"},
        {"'a' + 1", "1:2"},
        {"1 + 'a'", "1:2"},
        {"True + 1", "1:2"},
        {"b < False", "1:2"},
        {"not s", "1:1"},
        {"unminus b", "1:1"},
        {"2 * ( 'a' - 1 ) = ( b + 1 )", "1:5"},  // the first offending node bottom-up
        {"1 = True", "1:2"},
        {"( 1 + 2", "1:1"},                     // unclosed bracket
        {"1 + 2 )", "1:4"},                     // unmatched ")"
        {"1 +", "1:2"},                          // missing operand
        {"1 2", "1:2"},                          // two operands in a row
    };
    for (const auto& c : cases) {
        Env env;
        std::string error;
        auto e = ExpressionTokens(env.items).Build(c.text, &error);
        EXPECT_EQ(error, c.pos) << c.text;
        // A tree that failed is never walked.
        EXPECT_THROW(e->GetValue(), EVariantError) << c.text;
    }
    Env env;
    std::string error;
    for (const char* ok : {"vs - 'x'", "i + 1.5", "x in [ 1 , 2 ]", "s + 'x' <> 'y'", "b or vs"}) {
        ExpressionTokens(env.items).Build(ok, &error);
        EXPECT_EQ(error, "") << ok;
    }
    EXPECT_FALSE(TfsExpression().AddOperator("**"));
}

TEST(ExpressionEval, ResultKinds) {
    Env env;
    struct Case { const char* text; TfsVarType kind; };
    const Case cases[] = {
        {"i + 1", fvtInt}, {"i + 1.5", fvtFloat}, {"1.5 + i", fvtFloat}, {"7 / 2", fvtFloat},
        {"i < 2", fvtBool}, {"s + 'x'", fvtString}, {"vs + 1", fvtVariant}, {"x in [ 1 ]", fvtBool},
    };
    for (const auto& c : cases) EXPECT_EQ(ExpressionTokens(env.items).Build(c.text)->Typ(), c.kind) << c.text;
}

TEST(ExpressionEval, BooleanShortCircuitOnlyWithBooleanOperands) {
    struct Case { const char* text; TfsVarType fKind; bool aValue; int reads; };
    const Case cases[] = {
        {"a or F", fvtBool, true, 0},   {"a or F", fvtBool, false, 1}, {"a and F", fvtBool, false, 0},
        {"a and F", fvtBool, true, 1},  {"a or F", fvtVariant, true, 1},
    };
    for (const auto& c : cases) {
        TfsVariable a("a", fvtBool, "Boolean", Variant(c.aValue), false);
        CountingItem f(c.fKind, Variant(false));
        testing::ItemMap items{{"a", &a}, {"F", &f}};
        auto e = ExpressionTokens(items).Build(c.text);
        e->GetValue();
        EXPECT_EQ(f.reads, c.reads) << c.text << " a=" << c.aValue;
    }
}

TEST(ExpressionEval, LeftOperandIsReadBeforeTheRightOneRuns) {
    // F changes x while it is read; the left operand keeps the value it had before.
    for (TfsVarType kind : {fvtInt, fvtVariant}) {
        TfsVariable x("x", kind, "", Variant(1), false);
        CountingItem f(kind, Variant(0));
        f.action = [&] { x.SetValue(Variant(10)); };
        testing::ItemMap items{{"x", &x}, {"F", &f}};
        EXPECT_TRUE(ExpressionTokens(items).Build("x + F")->GetValue().identical(Variant(1))) << int(kind);
        x.SetValue(Variant(1));
        EXPECT_TRUE(ExpressionTokens(items).Build("x < F")->GetValue().identical(Variant(false))) << int(kind);
    }
}

TEST(ExpressionEval, SingleDesignatorTrees) {
    Env env;
    auto plain = ExpressionTokens(env.items).Build("i");
    EXPECT_FALSE(plain->IsNotPlainVariable());
    plain->SetValue(Variant(42));
    EXPECT_EQ(env.i.Value().toInt(), 42);
    EXPECT_EQ(plain->ValueRef(), env.i.ValueRef());
    EXPECT_TRUE(ExpressionTokens(env.items).Build("k")->IsNotPlainVariable());
    EXPECT_TRUE(ExpressionTokens(env.items).Build("i + 0")->IsNotPlainVariable());
    EXPECT_TRUE(ExpressionTokens(env.items).Build("( i )")->IsNotPlainVariable() == false);
    EXPECT_EQ(ExpressionTokens(env.items).Build("i * 2 + 1")->IntValue(), 85);
}

TEST(ExpressionEval, SetAsValueAndClassTest) {
    Env env;
    const Variant arr = ExpressionTokens(env.items).Build("[ 1 , 3 .. 5 ]")->GetValue();
    ASSERT_TRUE(arr.isArray());
    EXPECT_TRUE(arr.at({1}).identical(Variant(3)));
    EXPECT_TRUE(arr.at({2}).identical(Variant(0)));  // the range marker
    EXPECT_EQ(arr.arrayHigh(), 3);

    struct Base : Object {};
    struct Derived : Base {};
    Derived d;
    Base plain;
    TfsVariable obj("obj", fvtClass, "TBase", Variant(static_cast<Object*>(&d)), false);
    TfsVariable other("other", fvtClass, "TBase", Variant(static_cast<Object*>(&plain)), false);
    TfsTypeVariable cls("TDerived", fvtClass);
    TfsExpressionHooks hooks;
    hooks.isInstance = [](const Variant& v, TfsCustomVariable* c) {
        return c->Name() == "TDerived" && dynamic_cast<Derived*>(v.toObject()) != nullptr;
    };
    testing::ItemMap items{{"obj", &obj}, {"other", &other}, {"TDerived", &cls}};
    std::string error;
    auto isDerived = ExpressionTokens(items, &hooks).Build("obj is TDerived", &error);
    EXPECT_EQ(error, "");
    EXPECT_TRUE(isDerived->GetValue().identical(Variant(true)));
    EXPECT_TRUE(ExpressionTokens(items, &hooks).Build("other is TDerived")->GetValue().identical(Variant(false)));
    EXPECT_TRUE(ExpressionTokens(items, &hooks).Build("obj = obj")->GetValue().identical(Variant(true)));
    ExpressionTokens(items, &hooks).Build("obj + 1", &error);
    EXPECT_EQ(error, "1:2");
}

TEST(ExpressionEval, ConstantsFromLiteralText) {
    ScopedFormatSettings sl(FormatSettings::slovenian());
    struct Case { const char* text; Variant expect; };
    const Case cases[] = {
        {"12", Variant(12)},
        {"$1F", Variant(31)},
        {"$FFFFFFFF", Variant(-1)},
        {"3000000000", Variant(-1294967296)},
        {"4294967296", Variant(0)},
        {"1.5", Variant(1.5)},
        {"2e3", Variant(2000.0)},
        {"99999999999999999999", Variant(1e20)},
        {"'it''s'", Variant("it''s")},
        {"''", Variant("")},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(TfsExpression::ConstantFromText(c.text).identical(c.expect)) << c.text;
    EXPECT_TRUE(TfsExpression::ConstantFromText("").isNull());
}

}  // namespace
}  // namespace lumaro
