#pragma once
// The outline (table of contents) of prepared pages: nested "item" elements under the
// document's "outline" section, each with the attributes text, page (0-based) and top (pixels),
// and a current item under which AddItem nests the next entry.
#include <string>
#include <string_view>

namespace lumaro {

class TfrxXMLItem;
class TfrxPreviewPages;

struct TfrxOutlineItem {
    std::string text;
    int page = 0;
    int top = 0;
};

class TfrxCustomOutline {
public:
    virtual ~TfrxCustomOutline() = default;

    // Adds an entry under the current item (text, the current page, top) and makes it current.
    virtual void AddItem(std::string_view text, int top) = 0;
    virtual void LevelRoot() = 0;
    // The current item's parent becomes current, unless it is the outline itself.
    virtual void LevelUp() = 0;
    // The current item's child at `index` becomes current (nothing for a bad index).
    virtual void LevelDown(int index) = 0;
    // Children of the current item.
    virtual int Count() = 0;
    // The current item's child at `index`; an empty item for a bad index.
    virtual TfrxOutlineItem GetItem(int index) = 0;
    // The current item's last child, or the current item itself when it has none.
    virtual TfrxXMLItem* GetCurPosition() = 0;
    // The sibling that follows `item`, with all its descendants, moves to the next page and
    // by (newTop - its top) pixels; nothing when no sibling follows.
    virtual void ShiftItems(TfrxXMLItem* item, int newTop) = 0;
};

class TfrxOutline : public TfrxCustomOutline {
public:
    explicit TfrxOutline(TfrxPreviewPages& pages) : pages_(pages) {}

    void AddItem(std::string_view text, int top) override;
    void LevelRoot() override { current_ = nullptr; }
    void LevelUp() override;
    void LevelDown(int index) override;
    int Count() override;
    TfrxOutlineItem GetItem(int index) override;
    TfrxXMLItem* GetCurPosition() override;
    void ShiftItems(TfrxXMLItem* item, int newTop) override;

    // The "outline" section itself.
    TfrxXMLItem& Root();
    // The current item (the section when at the root).
    TfrxXMLItem& Current();

    // The attributes of an outline or anchor element.
    static TfrxOutlineItem read(const TfrxXMLItem& item);
    static void write(TfrxXMLItem& item, const TfrxOutlineItem& entry);

private:
    TfrxPreviewPages& pages_;
    // Null while at the root; the pages reset it whenever the section is rebuilt.
    TfrxXMLItem* current_ = nullptr;
};

}  // namespace lumaro
