#include "script/library/collection.h"

namespace lumaro {

int TCollectionItem::Index() const { return collection_ ? collection_->IndexOf(this) : -1; }

TCollectionItem* TCollection::Add(std::unique_ptr<TCollectionItem> item) {
    item->collection_ = this;
    items_.push_back(std::move(item));
    return items_.back().get();
}

TCollectionItem* TCollection::Items(int index) const {
    if (index < 0 || index >= Count()) throw EListError(listIndexError(index));
    return items_[static_cast<size_t>(index)].get();
}

void TCollection::Delete(int index) {
    Items(index);  // checks the index
    items_.erase(items_.begin() + index);
}

int TCollection::IndexOf(const TCollectionItem* item) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == item) return static_cast<int>(i);
    return -1;
}

}  // namespace lumaro
