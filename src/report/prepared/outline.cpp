#include "report/prepared/outline.h"

#include <algorithm>

#include "core/number_text.h"
#include "report/engine/custom_engine.h"
#include "report/prepared/preview_pages.h"
#include "report/prepared/sections.h"
#include "report/xml/attribute_text.h"
#include "report/xml/xml_item.h"

namespace lumaro {

int wholePixels(double v) {
    if (!(v == v)) return 0;
    return static_cast<int>(roundHalfEven(std::clamp(v, -2147483648.0, 2147483647.0)));
}

TfrxOutlineItem TfrxOutline::read(const TfrxXMLItem& item) {
    TfrxOutlineItem entry;
    entry.text = item.Prop("text");
    entry.page = strToIntDef(item.Prop("page"), 0);
    entry.top = strToIntDef(item.Prop("top"), 0);
    return entry;
}

void TfrxOutline::write(TfrxXMLItem& item, const TfrxOutlineItem& entry) {
    std::string text;
    appendAttributeEscaped(text, "text", entry.text);
    appendAttribute(text, "page", std::to_string(entry.page));
    appendAttribute(text, "top", std::to_string(entry.top));
    item.SetText(std::move(text));
}

TfrxXMLItem& TfrxOutline::Root() { return pages_.Section(prepared::kOutlineSection); }

TfrxXMLItem& TfrxOutline::Current() { return current_ ? *current_ : Root(); }

void TfrxOutline::AddItem(std::string_view text, int top) {
    TfrxXMLItem* item = Current().Add();
    item->SetName("item");
    write(*item, {std::string(text), pages_.CurPage(), top});
    current_ = item;
}

void TfrxOutline::AddItem(std::string_view text) { AddItem(text, wholePixels(pages_.Engine().CurY())); }

void TfrxOutline::LevelUp() {
    if (!current_) return;
    TfrxXMLItem* parent = current_->Parent();
    current_ = parent == &Root() ? nullptr : parent;
}

void TfrxOutline::LevelDown(int index) {
    TfrxXMLItem& cur = Current();
    if (index >= 0 && index < cur.Count()) current_ = cur.Items(index);
}

int TfrxOutline::Count() { return Current().Count(); }

TfrxOutlineItem TfrxOutline::GetItem(int index) {
    TfrxXMLItem& cur = Current();
    if (index < 0 || index >= cur.Count()) return {};
    return read(*cur.Items(index));
}

TfrxXMLItem* TfrxOutline::GetCurPosition() {
    TfrxXMLItem& cur = Current();
    return cur.Count() > 0 ? cur.Items(cur.Count() - 1) : &cur;
}

void TfrxOutline::ShiftItems(TfrxXMLItem* item, int newTop) {
    if (!item || item == &Root() || !item->Parent()) return;
    TfrxXMLItem* parent = item->Parent();
    const int i = parent->IndexOf(item);
    if (i < 0 || i + 1 >= parent->Count()) return;
    TfrxXMLItem* from = parent->Items(i + 1);
    const int shift = newTop - strToIntDef(from->Prop("top"), 0);
    std::vector<TfrxXMLItem*> pending{from};
    while (!pending.empty()) {
        TfrxXMLItem* e = pending.back();
        pending.pop_back();
        TfrxOutlineItem entry = read(*e);
        entry.page += 1;
        entry.top += shift;
        write(*e, entry);
        for (int k = 0; k < e->Count(); ++k) pending.push_back(e->Items(k));
    }
}

}  // namespace lumaro
