#pragma once
// One element of the XML dialect: a name, the unparsed attribute text of its start tag and
// child elements; no character content. Parents own their children.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lumaro {

class TfrxXMLDocument;

class TfrxXMLItem {
public:
    TfrxXMLItem() = default;
    ~TfrxXMLItem();
    TfrxXMLItem(const TfrxXMLItem&) = delete;
    TfrxXMLItem& operator=(const TfrxXMLItem&) = delete;

    // ---- children ----
    int Count() const { return static_cast<int>(items_.size()); }
    // Raises "List index out of bounds (<index>)" for a bad index.
    TfrxXMLItem* Items(int index) const;
    // Creates a child at the end and returns it.
    TfrxXMLItem* Add();
    // Moves `item` from its parent's list to the end of this item's list. It must have a
    // parent (items without one are added with the unique_ptr overload) and must not be this
    // item or one of its ancestors.
    void AddItem(TfrxXMLItem* item);
    TfrxXMLItem* AddItem(std::unique_ptr<TfrxXMLItem> item);
    // As AddItem, then moves the item to `index`.
    void InsertItem(int index, TfrxXMLItem* item);
    // Index of the first child named `name` (letter case ignored), or -1.
    int Find(std::string_view name) const;
    // The first child named `name`; a new one with that name is appended when there is none.
    TfrxXMLItem* FindItem(std::string_view name);
    int IndexOf(const TfrxXMLItem* item) const;
    // Destroys all children; an unloadable item is then no longer loaded.
    void Clear();
    // Removes this item from its parent's list and hands it over; dropping the result
    // destroys it.
    std::unique_ptr<TfrxXMLItem> detach();

    // ---- attributes ----
    // Value of the attribute `name` (letter case ignored), unescaped; empty when absent.
    std::string Prop(std::string_view name) const;
    // Replaces the attribute in place or appends it; `value` is escaped.
    void SetProp(std::string_view name, std::string_view value);

    // Bytes of memory this element holds without its children's own: the item itself, the
    // heap blocks of its name and attribute text (texts short enough for the string's inner
    // buffer take none), its child list, and the allocator's overhead per block.
    size_t heldBytes() const;

    // ---- fields ----
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    const std::string& Text() const { return text_; }
    void SetText(std::string text) { text_ = std::move(text); }
    TfrxXMLItem* Parent() const { return parent_; }
    int64_t Offset() const { return offset_; }
    void SetOffset(int64_t offset) { offset_ = offset; }
    bool Loaded() const { return loaded_; }
    void SetLoaded(bool loaded) { loaded_ = loaded; }
    bool Unloadable() const { return unloadable_; }
    void SetUnloadable(bool unloadable) { unloadable_ = unloadable; }

private:
    friend class TfrxXMLDocument;
    friend class XmlReader;
    friend class XmlWriter;

    using ItemList = std::vector<std::unique_ptr<TfrxXMLItem>>;
    static void destroyAll(ItemList& list);
    std::unique_ptr<TfrxXMLItem> takeFromParent();
    void checkIndex(int index) const;
    void checkNotAncestor(const TfrxXMLItem* item) const;

    std::string name_;
    std::string text_;
    TfrxXMLItem* parent_ = nullptr;
    ItemList items_;
    int64_t offset_ = 0;
    // Which backing stream holds the children of an unloaded item (0: none); see the document.
    uint64_t backing_ = 0;
    bool loaded_ = true;
    bool unloadable_ = false;
};

}  // namespace lumaro
