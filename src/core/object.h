#pragma once
// Root of every object a Variant can refer to: report components, script-created objects,
// host classes. A Variant holds such a pointer without owning it.

namespace lumaro {

class Object {
public:
    virtual ~Object() = default;
};

}  // namespace lumaro
