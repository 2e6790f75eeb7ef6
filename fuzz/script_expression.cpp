// Expression trees are built from whatever element sequence the program builder hands over:
// any sequence of operators, literals, variables and sets must build, be finished and (when
// it passes the type check) evaluate without crashing, raising only the script's run-time
// errors. Input: one byte per element, chosen from a fixed alphabet; the low bits of the
// element index a table, the high bits pick a variable or a set.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>

#include "core/error.h"
#include "script/expression/expression.h"

using namespace lumaro;

namespace {

const char* const kElements[] = {
    "(",    ")",   "+",  "-",   "*",   "/",  "div", "mod", "and",       "or",  "xor", "shl",
    "shr",  "not", "unminus", "=", "<>", "<",  ">",   "<=",  ">=",        "in",  "is",  "strcat",
    "0",    "7",   "-1", "$FF", "3000000000", "2.5", "1e308", "'ab'", "''", "'12'", "",
};
constexpr int kElementCount = sizeof(kElements) / sizeof(kElements[0]);

struct Vars {
    TfsVariable i{"i", fvtInt, "Integer", Variant(5), false};
    TfsVariable r{"r", fvtFloat, "Extended", Variant(0.5), false};
    TfsVariable b{"b", fvtBool, "Boolean", Variant(true), false};
    TfsStringVariable s{"s", fvtString, "String"};
    TfsVariable v{"v", fvtVariant, "Variant"};
    TfsVariable o{"o", fvtClass, "TObject", Variant::null(), false};
    TfsCustomVariable* all[6] = {&i, &r, &b, &s, &v, &o};
};

std::unique_ptr<TfsExpression> build(const uint8_t*& p, const uint8_t* end, Vars& vars, int depth) {
    auto e = std::make_unique<TfsExpression>();
    while (p < end) {
        const uint8_t c = *p++;
        e->SetSourcePos("1:" + std::to_string(c));
        if (c >= 0xF0) {  // a set of the next few elements, ranges between them
            auto set = std::make_unique<TfsSetExpression>();
            const int n = c & 3;
            for (int k = 0; k <= n && p < end && depth < 4; ++k) {
                const long len = std::min<long>(1 + (*p & 1), end - p);
                auto sub = build(p, p + len, vars, depth + 1);
                sub->Finish();
                set->AddEntry(std::move(sub));
                if (c & 4) set->AddRange();
            }
            e->AddSet(std::move(set));
        } else if (c >= 0xE0) {
            e->AddDesignator(vars.all[(c & 0x0F) % 6], false);
        } else if (c == 0xDF) {
            break;
        } else {
            const char* text = kElements[c % kElementCount];
            if (!e->AddOperator(text)) e->AddConstantText(text);
        }
    }
    return e;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Vars vars;
    const uint8_t* p = data;
    auto e = build(p, data + size, vars, 0);
    if (!e->Finish().empty()) return 0;
    try {
        e->GetValue();
        e->IsNotPlainVariable();
    } catch (const EVariantError&) {
    } catch (const EDivByZero&) {
    } catch (const EIntOverflow&) {
    } catch (const EConvertError&) {
    }
    return 0;
}
