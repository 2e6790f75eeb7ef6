#pragma once
// Evaluation of expression trees: one recursive function over the node's operation code, so
// that a tree is walked without a virtual call per node. Internal to the expression module.
#include <new>

#include "script/expression/expression_node.h"

namespace lumaro {

// Room for one temporary Variant that is constructed only when a value has to be computed
// (constants and plain variables are read where they are stored).
class TfsValueSlot {
public:
    TfsValueSlot() = default;
    TfsValueSlot(const TfsValueSlot&) = delete;
    TfsValueSlot& operator=(const TfsValueSlot&) = delete;
    // Only strings and arrays hold resources; the other values need no destructor call
    // (this keeps the out-of-line Variant destructor off the number paths).
    ~TfsValueSlot() {
        if (used_ && (get().isString() || get().isArray())) get().~Variant();
    }
    template <typename Make>
    const Variant& emplace(Make&& make) {
        new (buf_) Variant(make());
        used_ = true;
        return get();
    }
    bool used() const { return used_; }

private:
    Variant& get() { return *std::launder(reinterpret_cast<Variant*>(buf_)); }
    alignas(Variant) unsigned char buf_[sizeof(Variant)];
    bool used_ = false;
};

struct TfsEvaluator {
    static Variant Eval(const TfsExpressionNode* node);
    // The value as a 32-bit integer; Integer subtrees never build a Variant.
    static int32_t EvalInt(const TfsExpressionNode* node);
    // The value without a copy where one is stored (constants, plain variables); otherwise
    // it is evaluated into `slot`.
    static const Variant& EvalRef(const TfsExpressionNode* node, TfsValueSlot& slot);
    static bool IsPlainInt(const TfsExpressionNode* node);
};

}  // namespace lumaro
