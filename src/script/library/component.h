#pragma once
// TComponent: an object with a name that may own other components; destroying the owner
// destroys what it owns.
#include <string>
#include <vector>

#include "script/library/persistent.h"

namespace lumaro {

class TComponent : public TPersistent {
public:
    const char* ClassName() const override { return "TComponent"; }
    explicit TComponent(TComponent* owner = nullptr);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    const std::vector<TComponent*>& Components() const { return components_; }
    std::string Name;
    int Tag = 0;

private:
    TComponent* owner_;
    std::vector<TComponent*> components_;
};

}  // namespace lumaro
