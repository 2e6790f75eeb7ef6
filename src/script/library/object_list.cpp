#include "script/library/object_list.h"

#include <algorithm>

namespace lumaro {

void TList::check(int index, int limit) const {
    if (index < 0 || index >= limit) throw EListError(listIndexError(index));
}

int TList::Add(Object* item) {
    items_.push_back(item);
    return Count() - 1;
}

void TList::Insert(int index, Object* item) {
    check(index, Count() + 1);
    items_.insert(items_.begin() + index, item);
}

void TList::Delete(int index) {
    check(index, Count());
    items_.erase(items_.begin() + index);
}

int TList::IndexOf(const Object* item) const {
    const auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

int TList::Remove(const Object* item) {
    const int index = IndexOf(item);
    if (index >= 0) Delete(index);
    return index;
}

Object* TList::Get(int index) const {
    check(index, Count());
    return items_[static_cast<size_t>(index)];
}

void TList::Put(int index, Object* item) {
    check(index, Count());
    items_[static_cast<size_t>(index)] = item;
}

}  // namespace lumaro
