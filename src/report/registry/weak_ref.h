#pragma once
// A pointer to a TfrxPersistent that becomes null when the target is destroyed. Reference
// properties (data sets, FlowTo, Child, a subreport's page) hold one, so they never dangle.
// Attaching and detaching are O(1): the target keeps an intrusive list of its referrers.
#include "report/registry/persistent.h"

namespace lumaro {

class WeakRefBase {
public:
    WeakRefBase(const WeakRefBase&) = delete;
    WeakRefBase& operator=(const WeakRefBase&) = delete;

    TfrxPersistent* rawTarget() const { return target_; }

protected:
    WeakRefBase() = default;
    ~WeakRefBase() { reset(nullptr); }
    void reset(TfrxPersistent* target);

private:
    friend class TfrxPersistent;
    TfrxPersistent* target_ = nullptr;
    WeakRefBase* prev_ = nullptr;
    WeakRefBase* next_ = nullptr;
};

template <class T>
class WeakRef : public WeakRefBase {
public:
    WeakRef() = default;
    WeakRef(T* target) { reset(target); }  // NOLINT: implicit like a plain pointer
    WeakRef(const WeakRef& o) : WeakRefBase() { reset(o.rawTarget()); }
    WeakRef& operator=(const WeakRef& o) {
        reset(o.rawTarget());
        return *this;
    }
    WeakRef& operator=(T* target) {
        reset(target);
        return *this;
    }

    T* get() const { return static_cast<T*>(rawTarget()); }
    T* operator->() const { return get(); }
    explicit operator bool() const { return rawTarget() != nullptr; }
};

}  // namespace lumaro
