#include "report/xml/xml_item.h"

#include <algorithm>

#include "core/error.h"
#include "core/text.h"
#include "report/xml/attribute_text.h"
#include "report/xml/xml_escape.h"

namespace lumaro {

TfrxXMLItem::~TfrxXMLItem() { destroyAll(items_); }

// Destroys a list of items without recursion, so that no depth of nesting can exhaust the stack.
void TfrxXMLItem::destroyAll(ItemList& list) {
    ItemList pending = std::move(list);
    list.clear();
    while (!pending.empty()) {
        std::unique_ptr<TfrxXMLItem> item = std::move(pending.back());
        pending.pop_back();
        for (auto& child : item->items_) pending.push_back(std::move(child));
        item->items_.clear();
    }
}

void TfrxXMLItem::checkIndex(int index) const {
    if (index < 0 || index >= Count())
        throw Exception("List index out of bounds (" + std::to_string(index) + ")");
}

TfrxXMLItem* TfrxXMLItem::Items(int index) const {
    checkIndex(index);
    return items_[static_cast<size_t>(index)].get();
}

TfrxXMLItem* TfrxXMLItem::Add() {
    items_.push_back(std::make_unique<TfrxXMLItem>());
    items_.back()->parent_ = this;
    return items_.back().get();
}

std::unique_ptr<TfrxXMLItem> TfrxXMLItem::takeFromParent() {
    if (!parent_) return nullptr;
    ItemList& siblings = parent_->items_;
    auto it = std::find_if(siblings.begin(), siblings.end(), [this](const auto& p) { return p.get() == this; });
    std::unique_ptr<TfrxXMLItem> self = std::move(*it);
    siblings.erase(it);
    parent_ = nullptr;
    return self;
}

std::unique_ptr<TfrxXMLItem> TfrxXMLItem::detach() { return takeFromParent(); }

void TfrxXMLItem::checkNotAncestor(const TfrxXMLItem* item) const {
    for (const TfrxXMLItem* p = this; p; p = p->parent_)
        if (p == item) throw Exception("An XML item cannot be moved into itself");
}

TfrxXMLItem* TfrxXMLItem::AddItem(std::unique_ptr<TfrxXMLItem> item) {
    if (!item) throw Exception("No XML item to add");
    checkNotAncestor(item.get());
    item->takeFromParent().release();  // normally parentless; never owned twice
    item->parent_ = this;
    items_.push_back(std::move(item));
    return items_.back().get();
}

void TfrxXMLItem::AddItem(TfrxXMLItem* item) {
    if (!item->parent_) throw Exception("An XML item without a parent cannot be moved");
    checkNotAncestor(item);
    std::unique_ptr<TfrxXMLItem> owned = item->takeFromParent();
    owned->parent_ = this;
    items_.push_back(std::move(owned));
}

void TfrxXMLItem::InsertItem(int index, TfrxXMLItem* item) {
    const int countAfter = Count() + (item->parent_ == this ? 0 : 1);
    if (index < 0 || index >= countAfter)
        throw Exception("List index out of bounds (" + std::to_string(index) + ")");
    AddItem(item);
    std::rotate(items_.begin() + index, items_.end() - 1, items_.end());
}

int TfrxXMLItem::Find(std::string_view name) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (sameText(items_[i]->name_, name)) return static_cast<int>(i);
    return -1;
}

TfrxXMLItem* TfrxXMLItem::FindItem(std::string_view name) {
    const int i = Find(name);
    if (i >= 0) return items_[static_cast<size_t>(i)].get();
    TfrxXMLItem* item = Add();
    item->name_ = std::string(name);
    return item;
}

int TfrxXMLItem::IndexOf(const TfrxXMLItem* item) const {
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == item) return static_cast<int>(i);
    return -1;
}

size_t TfrxXMLItem::heldBytes() const {
    // Every heap block carries the allocator's size header and is rounded up to 16 bytes.
    const auto block = [](size_t n) { return std::max<size_t>(32, (n + sizeof(size_t) + 15) / 16 * 16); };
    const std::string empty;
    const auto text = [&](const std::string& s) { return s.capacity() > empty.capacity() ? block(s.capacity() + 1) : 0; };
    size_t bytes = block(sizeof(TfrxXMLItem)) + text(name_) + text(text_);
    if (items_.capacity() > 0) bytes += block(items_.capacity() * sizeof(items_[0]));
    return bytes;
}

void TfrxXMLItem::Clear() {
    destroyAll(items_);
    items_.shrink_to_fit();
    if (unloadable_) loaded_ = false;
}

std::string TfrxXMLItem::Prop(std::string_view name) const {
    const AttributeSpan span = findAttribute(text_, name);
    if (!span.found()) return {};
    return UnescapeXML(std::string_view(text_).substr(span.valueStart, span.valueEnd - span.valueStart));
}

void TfrxXMLItem::SetProp(std::string_view name, std::string_view value) {
    const AttributeSpan span = findAttribute(text_, name);
    size_t at = text_.size();
    if (span.found()) {
        at = span.nameStart;
        text_.erase(at, std::min(span.valueEnd + 1, text_.size()) - at);
    }
    std::string attr;
    appendAttributeEscaped(attr, name, value);
    if (at == 0 || text_[at - 1] == ' ') attr.erase(0, 1);
    text_.insert(at, attr);
}

}  // namespace lumaro
