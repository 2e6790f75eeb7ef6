// Parsing a generated 20,000-line PascalScript unit into the intermediate program, against
// scanning the same text into tokens with the tokenizer alone in the same run. The counter
// "lines_per_s" is the parser's speed; "x_tokenize" is the parse time divided by the time of
// the plain token scan (how much the grammar walk and the program output cost on top).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <string>

#include "cpu_time.h"
#include "script/parser/il_parser.h"

using namespace lumaro;

namespace {

using lumaro::bench::threadCpuSeconds;

constexpr int kLines = 20000;

// Procedures with parameters, locals, loops, conditions, expressions and assignments.
const std::string& unitText() {
    static const std::string text = [] {
        std::string s = "var Total: Integer;\n    Names: array[0..9] of String;\n";
        int lines = 2, n = 0;
        while (lines < kLines - 14) {
            const std::string i = std::to_string(n++);
            s += "procedure Step" + i + "(var X: Integer; const Y: String);\n"
                 "var I, J: Integer;\n"
                 "begin\n"
                 "  for I := 0 to 9 do\n"
                 "  begin\n"
                 "    J := (I * " + i + " + X) div 3 - Length(Y);\n"
                 "    if (J > 10) and not (I in [1, 3..5]) then\n"
                 "      X := X + J * 2\n"
                 "    else\n"
                 "      Names[I mod 10] := Y + 'x' + IntToStr(J);\n"
                 "  end;\n"
                 "  while X > 100 do X := X shr 1;\n"
                 "end;\n\n";
            lines += 14;
        }
        s += "begin\n  Total := 0;\n";
        lines += 2;
        for (int k = 0; lines < kLines - 1; ++k, ++lines) s += "  Step" + std::to_string(k % n) + "(Total, 'a');\n";
        s += "end.\n";
        return s;
    }();
    return text;
}

// Baseline: every token of the text read once with the tokenizer alone.
size_t tokenize(const std::string& text) {
    TfsParser p;
    p.SetText(text);
    size_t tokens = 0;
    for (;;) {
        p.SkipBlanks();
        if (p.Position() > p.Size()) break;
        if (p.ReadWordSpan() || p.ReadNumberSpan() || p.ReadStringSpan() || p.ReadSymbolSpan()) ++tokens;
        else p.SetPosition(p.Position() + 1);
    }
    return tokens;
}

void BM_MakeIL(benchmark::State& state) {
    const std::string& text = unitText();
    double tokenizeTime = 1e9;
    for (int i = 0; i < 5; ++i) {
        const double start = threadCpuSeconds();
        benchmark::DoNotOptimize(tokenize(text));
        tokenizeTime = std::min(tokenizeTime, threadCpuSeconds() - start);
    }
    TfsILParser parser;
    double parseTime = 0;
    for (auto _ : state) {
        const double start = threadCpuSeconds();
        TfsXMLDocument il;
        ILError err;
        if (!parser.MakeIL(text, il, err)) state.SkipWithError(("parse failed: " + err.pos + " " + err.message).c_str());
        benchmark::DoNotOptimize(il.Root());
        parseTime += threadCpuSeconds() - start;
    }
    state.counters["lines_per_s"] = benchmark::Counter(static_cast<double>(kLines) * static_cast<double>(state.iterations()),
                                                        benchmark::Counter::kIsRate);
    state.counters["x_tokenize"] = parseTime / static_cast<double>(state.iterations()) / tokenizeTime;
}

void BM_Tokenize(benchmark::State& state) {
    const std::string& text = unitText();
    for (auto _ : state) benchmark::DoNotOptimize(tokenize(text));
    state.counters["lines_per_s"] = benchmark::Counter(static_cast<double>(kLines) * static_cast<double>(state.iterations()),
                                                        benchmark::Counter::kIsRate);
}

BENCHMARK(BM_Tokenize)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MakeIL)->Unit(benchmark::kMillisecond);

}  // namespace
