#pragma once
// TList: an ordered list of object references that it does not own.
#include <vector>

#include "script/library/persistent.h"

namespace lumaro {

class TList : public TPersistent {
public:
    const char* ClassName() const override { return "TList"; }

    int Add(Object* item);
    void Insert(int index, Object* item);  // index 0..Count
    void Delete(int index);
    int IndexOf(const Object* item) const;  // -1 when absent
    int Remove(const Object* item);         // the index it had, -1 when absent
    void Clear() { items_.clear(); }
    int Count() const { return static_cast<int>(items_.size()); }
    // Out-of-range indexes raise EListError "List index out of bounds (n)".
    Object* Get(int index) const;
    void Put(int index, Object* item);

private:
    void check(int index, int limit) const;
    std::vector<Object*> items_;
};

}  // namespace lumaro
