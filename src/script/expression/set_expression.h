#pragma once
// A set constructor: a list of expressions in which an empty entry marks a range between its
// neighbours ("[1, 3..5]" is 1, 3, <range>, 5).
#include <memory>
#include <vector>

#include "script/items/custom_variable.h"

namespace lumaro {

class TfsExpression;

class TfsSetExpression : public TfsCustomVariable {
public:
    TfsSetExpression();
    ~TfsSetExpression() override;

    void AddEntry(std::unique_ptr<TfsExpression> entry);
    void AddRange();  // the marker between the low and the high bound of a range
    int EntryCount() const { return static_cast<int>(entries_.size()); }
    TfsExpression* Entry(int index) const { return entries_[static_cast<size_t>(index)].get(); }

    // Whether the value is one of the entries or lies within one of the ranges; entries are
    // tested in order and the first hit ends the test.
    bool Contains(const Variant& value);
    // A Variant array 0..n-1 with the values of the entries, each range marker giving 0.
    Variant GetValue() override;

private:
    std::vector<std::unique_ptr<TfsExpression>> entries_;
};

}  // namespace lumaro
