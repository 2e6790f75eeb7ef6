#include "script/expression/set_expression.h"

#include "core/variant_ops.h"
#include "script/expression/expression.h"

namespace lumaro {

TfsSetExpression::TfsSetExpression() : TfsCustomVariable("", fvtVariant, "Variant") {}

TfsSetExpression::~TfsSetExpression() = default;

void TfsSetExpression::AddEntry(std::unique_ptr<TfsExpression> entry) { entries_.push_back(std::move(entry)); }

void TfsSetExpression::AddRange() { entries_.push_back(nullptr); }

bool TfsSetExpression::Contains(const Variant& value) {
    const size_t n = entries_.size();
    for (size_t i = 0; i < n; ++i) {
        TfsExpression* entry = entries_[i].get();
        if (!entry) continue;
        if (i + 2 < n && !entries_[i + 1] && entries_[i + 2]) {
            const Variant low = entry->GetValue();
            const Variant high = entries_[i + 2]->GetValue();
            if (VarCompare(low, value) <= 0 && VarCompare(value, high) <= 0) return true;
            i += 2;
        } else if (VarEquals(entry->GetValue(), value)) {
            return true;
        }
    }
    return false;
}

Variant TfsSetExpression::GetValue() {
    std::vector<Variant> items;
    items.reserve(entries_.size());
    for (const auto& entry : entries_) items.push_back(entry ? entry->GetValue() : Variant(0));
    return Variant::arrayOf(std::move(items));
}

}  // namespace lumaro
