#include "report/registry/persistent.h"

#include "report/registry/class_builder.h"
#include "report/registry/weak_ref.h"

namespace lumaro {

TfrxPersistent::~TfrxPersistent() { clearWeakRefs(); }

void TfrxPersistent::clearWeakRefs() {
    while (weakRefs_) weakRefs_->reset(nullptr);
}

const ClassInfo& TfrxPersistent::staticClassInfo() {
    static const ClassInfo info = ClassBuilder<TfrxPersistent>("TPersistent", nullptr).build();
    return info;
}

const std::string& TfrxPersistent::ClassName() const { return classInfo().name; }

bool TfrxPersistent::InheritsFrom(const ClassInfo& cls) const { return classInfo().InheritsFrom(cls); }

void TfrxPersistent::writePropData(TypedWriter&) const {}

bool TfrxPersistent::readPropEntry(std::string_view, TypedReader&, ObjectReader&) { return false; }

void WeakRefBase::reset(TfrxPersistent* target) {
    if (target_ == target) return;
    if (target_) {
        if (prev_)
            prev_->next_ = next_;
        else
            target_->weakRefs_ = next_;
        if (next_) next_->prev_ = prev_;
        prev_ = next_ = nullptr;
    }
    target_ = target;
    if (target_) {
        next_ = target_->weakRefs_;
        if (next_) next_->prev_ = this;
        target_->weakRefs_ = this;
    }
}

}  // namespace lumaro
