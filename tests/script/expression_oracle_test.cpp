// Differential test against Free Pascal (fpc -Mdelphi): generated integer, real and boolean
// expressions are written once as one Pascal program and fed, as the same token sequence with
// the same (minimal) brackets, into our expression trees. Free Pascal parses and evaluates its
// copy; the results must agree, which checks operator priorities, left grouping, div and mod
// signs, shifts, bit operations, real arithmetic and comparisons.
//
// Where the two legitimately differ the generator stays out of the way:
// - Free Pascal on this target evaluates Longint arithmetic in 64 bits, while our Integer
//   operations wrap at 32 bits (and Variant integers turn into reals). Expressions in which any
//   integer intermediate leaves -2^31..2^31-1 are not generated.
// - Free Pascal widens intermediate results to 64 bits before "shr", so shifting a negative
//   intermediate right differs from our 32-bit logical shift (covered by the table tests);
//   "shr" is generated with non-negative left operands only.
// - Pascal's unary minus negates a whole term ("-a shr 1" is "-(a shr 1)"), ours binds to its
//   operand; a unary minus is therefore always written with brackets, "(-a)".
// - div, mod and the bit operations with real operands round the reals first here; Pascal
//   refuses them. They are generated with integer operands only.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "core/error.h"
#include "support/oracle.h"
#include "script/expression/expression.h"
#include "support/temp_dir.h"

namespace lumaro {
namespace {

struct GenNode {
    char type;           // 'i' integer, 'r' real, 'b' boolean
    std::string op;      // operator text in the program ("+", "div", "unminus"); "" for a literal
    std::string literal;
    int priority = 0;
    std::vector<std::unique_ptr<GenNode>> kids;
};

class Generator {
public:
    int pick(int n) { return static_cast<int>(rng_() % static_cast<uint32_t>(n)); }

    std::unique_ptr<GenNode> intLeaf(int maxValue) {
        auto n = std::make_unique<GenNode>();
        n->type = 'i';
        n->literal = std::to_string(pick(maxValue + 1));
        return n;
    }
    std::unique_ptr<GenNode> realLeaf() {
        auto n = std::make_unique<GenNode>();
        n->type = 'r';
        const int k = 1 + pick(80);
        n->literal = std::to_string(k / 4) + "." + (k % 4 == 0 ? "0" : k % 4 == 1 ? "25" : k % 4 == 2 ? "5" : "75");
        return n;
    }
    static std::unique_ptr<GenNode> make(char type, const std::string& op, int priority,
                                         std::unique_ptr<GenNode> a, std::unique_ptr<GenNode> b = nullptr) {
        auto n = std::make_unique<GenNode>();
        n->type = type;
        n->op = op;
        n->priority = priority;
        n->kids.push_back(std::move(a));
        if (b) n->kids.push_back(std::move(b));
        return n;
    }

    std::unique_ptr<GenNode> intExpr(int depth) {
        if (depth == 0 || pick(5) == 0) return intLeaf(pick(4) == 0 ? 1000 : 20);
        static const char* const kOps[] = {"+", "-", "*", "div", "mod", "and", "or", "xor", "shl", "shr", "not", "unminus"};
        const std::string op = kOps[pick(12)];
        if (op == "not" || op == "unminus") return make('i', op, 1, intExpr(depth - 1));
        if (op == "shl" || op == "shr") return make('i', op, 2, intExpr(depth - 1), intLeaf(4));
        const int prio = (op == "+" || op == "-" || op == "or" || op == "xor") ? 3 : 2;
        auto a = intExpr(depth - 1);
        return make('i', op, prio, std::move(a), intExpr(depth - 1));
    }

    std::unique_ptr<GenNode> numExpr(int depth) { return pick(2) ? realExpr(depth) : intExpr(depth); }

    std::unique_ptr<GenNode> realExpr(int depth) {
        if (depth == 0 || pick(5) == 0) return realLeaf();
        if (pick(6) == 0) return make('r', "unminus", 1, realExpr(depth - 1));
        static const char* const kOps[] = {"+", "-", "*", "/"};
        const std::string op = kOps[pick(4)];
        const int prio = (op == "+" || op == "-") ? 3 : 2;
        // At least one real operand, or "/" of anything.
        std::unique_ptr<GenNode> a, b;
        switch (op == "/" ? pick(4) : pick(3)) {
            case 0: a = realExpr(depth - 1), b = numExpr(depth - 1); break;
            case 1: a = numExpr(depth - 1), b = realExpr(depth - 1); break;
            case 2: a = realExpr(depth - 1), b = realExpr(depth - 1); break;
            default: a = intExpr(depth - 1), b = intExpr(depth - 1); break;
        }
        return make('r', op, prio, std::move(a), std::move(b));
    }

    std::unique_ptr<GenNode> boolExpr(int depth) {
        if (depth <= 1 || pick(3) == 0) {
            static const char* const kCmp[] = {"=", "<>", "<", ">", "<=", ">="};
            auto a = numExpr(depth);
            return make('b', kCmp[pick(6)], 4, std::move(a), numExpr(depth));
        }
        static const char* const kOps[] = {"and", "or", "xor", "not"};
        const std::string op = kOps[pick(4)];
        if (op == "not") return make('b', op, 1, boolExpr(depth - 1));
        auto a = boolExpr(depth - 1);
        return make('b', op, op == "and" ? 2 : 3, std::move(a), boolExpr(depth - 1));
    }

private:
    std::mt19937 rng_{20261210u};
};

// Range check of the generator's own: every integer intermediate must fit 32 bits (see above).
// Division by zero counts as 0 here; both sides then report an error.
bool fits(const GenNode& n, double& value) {
    if (n.op.empty()) {
        value = std::stod(n.literal);
        return true;
    }
    double a = 0, b = 0;
    if (!fits(*n.kids[0], a)) return false;
    if (n.kids.size() > 1 && !fits(*n.kids[1], b)) return false;
    const auto ia = static_cast<int64_t>(a), ib = static_cast<int64_t>(b);
    const std::string& op = n.op;
    if (n.type == 'b') {
        value = 0;
        return true;
    }
    if (n.type == 'r') {
        value = op == "unminus" ? -a : op == "+" ? a + b : op == "-" ? a - b : op == "*" ? a * b : (b == 0 ? 0 : a / b);
        return std::abs(value) < 1e12;
    }
    int64_t r;
    if (op == "+") r = ia + ib;
    else if (op == "-") r = ia - ib;
    else if (op == "*") r = ia * ib;
    else if (op == "div") r = ib == 0 ? 0 : ia / ib;
    else if (op == "mod") r = ib == 0 ? 0 : ia % ib;
    else if (op == "and") r = ia & ib;
    else if (op == "or") r = ia | ib;
    else if (op == "xor") r = ia ^ ib;
    else if (op == "shl") r = ia * (int64_t(1) << ib);
    else if (op == "shr") {
        if (ia < 0) return false;
        r = ia >> ib;
    }
    else if (op == "not") r = ~ia;
    else r = -ia;  // unminus
    value = static_cast<double>(r);
    return r >= INT32_MIN && r <= INT32_MAX;
}

// Writes the node as our token sequence and as Pascal text, with the brackets the priorities
// need (and, now and then, a superfluous pair).
class Writer {
public:
    explicit Writer(Generator& g) : gen_(g) {}

    void write(const GenNode& n) {
        if (n.op.empty()) {
            tokens.push_back(n.literal);
            pascal += (n.type == 'i' ? "I(" : "R(") + n.literal + ")";
        } else if (n.op == "unminus") {
            open();
            tokens.push_back("unminus");
            pascal += "-";
            child(*n.kids[0], !n.kids[0]->op.empty());
            close();
        } else if (n.op == "not") {
            tokens.push_back("not");
            pascal += "not ";
            child(*n.kids[0], n.kids[0]->priority > 1);
        } else {
            const GenNode& a = *n.kids[0];
            const GenNode& b = *n.kids[1];
            // Comparisons inside comparisons always get brackets (Pascal has one relation per
            // simple expression).
            child(a, a.priority > n.priority || (n.priority == 4 && a.priority == 4));
            tokens.push_back(n.op);
            pascal += " " + n.op + " ";
            child(b, b.priority >= n.priority && b.op != "unminus");
        }
    }

    std::vector<std::string> tokens;
    std::string pascal;

private:
    void open() { tokens.push_back("("), pascal += "("; }
    void close() { tokens.push_back(")"), pascal += ")"; }
    void child(const GenNode& n, bool brackets) {
        if (!brackets && n.op.size() && n.op != "unminus" && gen_.pick(8) == 0) brackets = true;
        if (brackets) open();
        write(n);
        if (brackets) close();
    }
    Generator& gen_;
};

std::string ourResult(const std::vector<std::string>& tokens) {
    TfsExpression e;
    for (const std::string& t : tokens)
        if (!e.AddOperator(t)) e.AddConstantText(t);
    const std::string error = e.Finish();
    if (!error.empty()) return "TYPE ERROR";
    try {
        const Variant v = e.GetValue();
        if (v.isBoolean()) return v.rawBool() ? "TRUE" : "FALSE";
        if (v.type() == VarType::Integer) return std::to_string(v.rawInt());
        if (v.type() == VarType::Double) {
            const double d = v.rawDouble();
            int64_t bits;
            std::memcpy(&bits, &d, sizeof bits);
            return std::to_string(bits);
        }
        return std::string("unexpected ") + varTypeName(v.type());
    } catch (const Exception&) {
        return "ERR";
    }
}

TEST(ExpressionOracle, GeneratedExpressionsAgreeWithFreePascal) {
    LUMARO_REQUIRE_ORACLE("fpc");
    Generator gen;
    struct Case { std::string pascal, ours; char type; };
    std::vector<Case> cases;
    while (cases.size() < 360) {
        const int which = static_cast<int>(cases.size() % 3);
        auto n = which == 0 ? gen.intExpr(4) : which == 1 ? gen.realExpr(4) : gen.boolExpr(4);
        double unused;
        if (n->op.empty() || !fits(*n, unused)) continue;
        Writer w(gen);
        w.write(*n);
        cases.push_back({w.pascal, ourResult(w.tokens), n->type});
    }

    testing::TempDir dir("expr_oracle");
    {
        std::ofstream pas(dir.file("oracle.pas"));
        pas << "program oracle;\n{$mode delphi}{$Q-}{$R-}\nuses sysutils;\n"
               "function I(x: longint): longint; begin I := x end;\n"
               "function R(x: double): double; begin R := x end;\n"
               "function B(d: double): int64; begin move(d, result, 8) end;\n"
               "begin\n";
        for (const Case& c : cases) {
            const std::string value = c.type == 'r' ? "B(" + c.pascal + ")" : c.pascal;
            pas << "  try writeln(" << value << ") except writeln('ERR') end;\n";
        }
        pas << "end.\n";
    }
    int status = 0;
    const std::string log = testing::runCommand("cd '" + dir.path().string() + "' && fpc -Mdelphi -O1 oracle.pas 2>&1", &status);
    ASSERT_EQ(status, 0) << log;
    const std::string output = testing::runCommand("'" + dir.file("oracle") + "'", &status);
    std::istringstream lines(output);
    size_t i = 0, errors = 0;
    for (std::string line; std::getline(lines, line) && i < cases.size(); ++i) {
        if (line == "ERR") ++errors;
        EXPECT_EQ(cases[i].ours, line) << cases[i].pascal;
    }
    EXPECT_EQ(i, cases.size());
    EXPECT_LT(errors, cases.size() / 10);  // most cases compute a value
}

}  // namespace
}  // namespace lumaro
