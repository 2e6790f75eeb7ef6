#pragma once
// Test helper: builds an expression tree from blank-separated tokens, feeding the tree in
// infix order exactly as the program builder does: operators by text ("(", "unminus", "div"),
// literals by their program text (12, $1F, 1.5, 'ab'), names of the given items as
// designators, and "[ a , b .. c ]" as a set. Each token gets the position "1:<index>".
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "script/expression/expression.h"

namespace lumaro::testing {

using ItemMap = std::map<std::string, TfsCustomVariable*>;

class ExpressionTokens {
public:
    ExpressionTokens(const ItemMap& items, const TfsExpressionHooks* hooks = nullptr)
        : items_(items), hooks_(hooks) {}

    // The built tree; `error` receives what Finish returned.
    std::unique_ptr<TfsExpression> Build(const std::string& text, std::string* error = nullptr) {
        std::istringstream in(text);
        std::vector<std::string> tokens;
        for (std::string t; in >> t;) tokens.push_back(t);
        size_t pos = 0;
        auto expr = BuildRange(tokens, pos, tokens.size());
        const std::string e = expr->Finish();
        if (error) *error = e;
        return expr;
    }

private:
    std::unique_ptr<TfsExpression> BuildRange(const std::vector<std::string>& t, size_t& i, size_t end) {
        auto expr = std::make_unique<TfsExpression>(nullptr, hooks_);
        while (i < end) {
            const std::string& tok = t[i];
            expr->SetSourcePos("1:" + std::to_string(i + 1));
            if (tok == "[") {
                expr->AddSet(BuildSet(t, ++i));
                continue;
            }
            if (tok == "True" || tok == "False")
                expr->AddConstant(Variant(tok == "True"));
            else if (auto it = items_.find(tok); it != items_.end())
                expr->AddDesignator(it->second, false);
            else if (!expr->AddOperator(tok))
                expr->AddConstantText(tok);
            ++i;
        }
        return expr;
    }

    // Entries up to the matching "]", separated by "," and "..".
    std::unique_ptr<TfsSetExpression> BuildSet(const std::vector<std::string>& t, size_t& i) {
        auto set = std::make_unique<TfsSetExpression>();
        while (i < t.size() && t[i] != "]") {
            size_t end = i;
            int depth = 0;
            while (end < t.size() && (depth > 0 || (t[end] != "," && t[end] != ".." && t[end] != "]"))) {
                depth += t[end] == "[" ? 1 : t[end] == "]" ? -1 : 0;
                ++end;
            }
            auto entry = BuildRange(t, i, end);
            entry->Finish();
            set->AddEntry(std::move(entry));
            if (end < t.size() && t[end] == "..") set->AddRange();
            i = end < t.size() && t[end] != "]" ? end + 1 : end;
        }
        ++i;
        return set;
    }

    const ItemMap& items_;
    const TfsExpressionHooks* hooks_;
};

}  // namespace lumaro::testing
