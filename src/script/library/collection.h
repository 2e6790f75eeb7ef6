#pragma once
// TCollection owns its TCollectionItem objects; an item knows its collection and index.
#include <memory>
#include <vector>

#include "script/library/persistent.h"

namespace lumaro {

class TCollection;

class TCollectionItem : public TPersistent {
public:
    const char* ClassName() const override { return "TCollectionItem"; }
    TCollection* Collection() const { return collection_; }
    int Index() const;

private:
    friend class TCollection;
    TCollection* collection_ = nullptr;
};

class TCollection : public TPersistent {
public:
    const char* ClassName() const override { return "TCollection"; }
    ~TCollection() override { Clear(); }

    // Takes ownership of `item` and appends it.
    TCollectionItem* Add(std::unique_ptr<TCollectionItem> item);
    void Clear() { items_.clear(); }
    void Delete(int index);  // frees the item
    int Count() const { return static_cast<int>(items_.size()); }
    // Out-of-range indexes raise EListError "List index out of bounds (n)".
    TCollectionItem* Items(int index) const;
    int IndexOf(const TCollectionItem* item) const;

private:
    std::vector<std::unique_ptr<TCollectionItem>> items_;
};

}  // namespace lumaro
