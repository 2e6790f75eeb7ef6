#include "script/library/component.h"

#include <algorithm>

namespace lumaro {

TComponent::TComponent(TComponent* owner) : owner_(owner) {
    if (owner_) owner_->components_.push_back(this);
}

TComponent::~TComponent() {
    // Owned components are destroyed last first; each removes itself from this list.
    while (!components_.empty()) delete components_.back();
    if (owner_) {
        auto& siblings = owner_->components_;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
}

}  // namespace lumaro
