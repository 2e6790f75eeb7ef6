#pragma once
// The outline (table of contents) of prepared pages: nested "item" elements under the
// document's "outline" section, each with the attributes text, page (0-based) and top (pixels),
// and a current item under which AddItem nests the next entry.
#include <string>
#include <string_view>

#include "core/object.h"

namespace lumaro {

class TfrxXMLItem;
class TfrxPreviewPages;

struct TfrxOutlineItem {
    std::string text;
    int page = 0;
    int top = 0;
};

// A position in whole pixels (ties to even), kept inside the range of int.
int wholePixels(double v);

// Scripts see the outline as "Outline" (AddItem, LevelRoot, LevelUp).
class TfrxCustomOutline : public Object {
public:
    // Adds an entry under the current item (text, the current page, top) and makes it current.
    virtual void AddItem(std::string_view text, int top) = 0;
    // The same at the engine's CurY, as scripts add entries.
    virtual void AddItem(std::string_view text) = 0;
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
    void AddItem(std::string_view text) override;
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
