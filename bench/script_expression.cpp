// Expression trees evaluate every expression of a running script; a 10-million-step loop
// runs through them once per step. Each tree is measured against the same arithmetic written
// directly in C++, once over plain numbers and once over Variants with the Variant operators.
//   integer: i * 3 + j div 2 - i mod 7      (Integer variables: the 32-bit fast path)
//   real:    x * 1.5 + y / 2.0 - x * y      (Float variables: Variant arithmetic)
//   variant: v * 3 + w - 1                  (Variant variables holding integers)
//   loop:    s + i  and  i <= n             (the body and the condition of a counting loop)
#include <benchmark/benchmark.h>

#include "core/variant_ops.h"
#include "script/expression/expression.h"

using namespace lumaro;

namespace {

// Builds a tree from tokens the way the program builder feeds it.
std::unique_ptr<TfsExpression> build(std::initializer_list<const char*> tokens,
                                     std::initializer_list<std::pair<const char*, TfsCustomVariable*>> vars) {
    auto e = std::make_unique<TfsExpression>();
    for (const char* t : tokens) {
        bool done = false;
        for (auto& [name, item] : vars)
            if (std::string_view(t) == name) e->AddDesignator(item, false), done = true;
        if (!done && !e->AddOperator(t)) e->AddConstantText(t);
    }
    e->Finish();
    return e;
}

void BM_IntegerTree(benchmark::State& state) {
    TfsVariable i("i", fvtInt, "Integer", Variant(0), false), j("j", fvtInt, "Integer", Variant(5), false);
    auto e = build({"i", "*", "3", "+", "j", "div", "2", "-", "i", "mod", "7"}, {{"i", &i}, {"j", &j}});
    int k = 0;
    for (auto _ : state) {
        i.StoredValue() = Variant(++k);
        benchmark::DoNotOptimize(e->GetValue());
    }
}
BENCHMARK(BM_IntegerTree);

void BM_IntegerPlainCpp(benchmark::State& state) {
    volatile int32_t j = 5;
    int k = 0;
    for (auto _ : state) {
        const int32_t i = ++k;
        benchmark::DoNotOptimize(Variant(IntSub32(IntAdd32(IntMul32(i, 3), IntDiv32(j, 2)), IntMod32(i, 7))));
    }
}
BENCHMARK(BM_IntegerPlainCpp);

void BM_IntegerVariantOps(benchmark::State& state) {
    Variant j(5);
    int k = 0;
    for (auto _ : state) {
        const Variant i(++k);
        benchmark::DoNotOptimize(VarBinaryOp(
            VarOp::Subtract,
            VarBinaryOp(VarOp::Add, VarBinaryOp(VarOp::Multiply, i, Variant(3)), VarBinaryOp(VarOp::IntDivide, j, Variant(2))),
            VarBinaryOp(VarOp::Modulus, i, Variant(7))));
    }
}
BENCHMARK(BM_IntegerVariantOps);

void BM_RealTree(benchmark::State& state) {
    TfsVariable x("x", fvtFloat, "Extended", Variant(0.0), false), y("y", fvtFloat, "Extended", Variant(2.5), false);
    auto e = build({"x", "*", "1.5", "+", "y", "/", "2.0", "-", "x", "*", "y"}, {{"x", &x}, {"y", &y}});
    double k = 0;
    for (auto _ : state) {
        x.StoredValue() = Variant(k += 0.25);
        benchmark::DoNotOptimize(e->GetValue());
    }
}
BENCHMARK(BM_RealTree);

void BM_RealPlainCpp(benchmark::State& state) {
    volatile double y = 2.5;
    double k = 0;
    for (auto _ : state) {
        const double x = k += 0.25;
        benchmark::DoNotOptimize(Variant(x * 1.5 + y / 2.0 - x * y));
    }
}
BENCHMARK(BM_RealPlainCpp);

void BM_RealVariantOps(benchmark::State& state) {
    const Variant y(2.5);
    double k = 0;
    for (auto _ : state) {
        const Variant x(k += 0.25);
        benchmark::DoNotOptimize(VarBinaryOp(
            VarOp::Subtract,
            VarBinaryOp(VarOp::Add, VarBinaryOp(VarOp::Multiply, x, Variant(1.5)), VarBinaryOp(VarOp::Divide, y, Variant(2.0))),
            VarBinaryOp(VarOp::Multiply, x, y)));
    }
}
BENCHMARK(BM_RealVariantOps);

void BM_VariantTree(benchmark::State& state) {
    TfsVariable v("v", fvtVariant, "Variant", Variant(0), false), w("w", fvtVariant, "Variant", Variant(5), false);
    auto e = build({"v", "*", "3", "+", "w", "-", "1"}, {{"v", &v}, {"w", &w}});
    int k = 0;
    for (auto _ : state) {
        v.StoredValue() = Variant(++k & 0xFFFFF);
        benchmark::DoNotOptimize(e->GetValue());
    }
}
BENCHMARK(BM_VariantTree);

void BM_VariantVariantOps(benchmark::State& state) {
    const Variant w(5);
    int k = 0;
    for (auto _ : state) {
        const Variant v(++k & 0xFFFFF);
        benchmark::DoNotOptimize(VarBinaryOp(
            VarOp::Subtract, VarBinaryOp(VarOp::Add, VarBinaryOp(VarOp::Multiply, v, Variant(3)), w), Variant(1)));
    }
}
BENCHMARK(BM_VariantVariantOps);

void BM_LoopStepTrees(benchmark::State& state) {
    TfsVariable s("s", fvtInt, "Integer", Variant(0), false), i("i", fvtInt, "Integer", Variant(0), false),
        n("n", fvtInt, "Integer", Variant(1 << 30), false);
    auto body = build({"s", "+", "i"}, {{"s", &s}, {"i", &i}});
    auto cond = build({"i", "<=", "n"}, {{"i", &i}, {"n", &n}});
    int k = 0;
    for (auto _ : state) {
        i.StoredValue() = Variant(++k);
        s.StoredValue() = body->GetValue();
        benchmark::DoNotOptimize(cond->GetValue());
    }
}
BENCHMARK(BM_LoopStepTrees);

void BM_LoopStepPlainCpp(benchmark::State& state) {
    Variant s(0), i(0);
    volatile int32_t n = 1 << 30;
    int k = 0;
    for (auto _ : state) {
        i = Variant(++k);
        s = Variant(IntAdd32(s.rawInt(), i.rawInt()));
        benchmark::DoNotOptimize(Variant(i.rawInt() <= n));
    }
}
BENCHMARK(BM_LoopStepPlainCpp);

}  // namespace
