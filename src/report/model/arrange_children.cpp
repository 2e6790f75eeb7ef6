// Placement of child views by their Align rule, inside a band or a page.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "report/model/component.h"
#include "report/views/view.h"

namespace lumaro {

namespace {

struct Item {
    std::string key;
    TfrxView* view;
};

// "1" for a positive Left, "0" otherwise, then the absolute Left as "%9.2f".
std::string sortKey(const TfrxView& v) {
    char buf[400];
    std::snprintf(buf, sizeof buf, "%s%9.2f", v.Left() > 0 ? "1" : "0", std::fabs(v.Left()));
    return buf;
}

// The two views share some vertical extent (a top at or below the other's bottom does not).
bool overlapVertically(const TfrxView& a, const TfrxView& b) {
    return a.Top() < b.Top() + b.Height() && b.Top() < a.Top() + a.Height();
}

}  // namespace

void TfrxComponent::ArrangeChildren() {
    std::vector<Item> items;
    for (TfrxComponent* c : objects_)
        if (auto* v = dynamic_cast<TfrxView*>(c)) items.push_back({sortKey(*v), v});
    std::stable_sort(items.begin(), items.end(), [](const Item& a, const Item& b) { return a.key < b.key; });

    const size_t n = items.size();
    for (size_t i = 0; i < n; ++i) {
        TfrxView& v = *items[i].view;
        if (v.Align() != baLeft && v.Align() != baWidth) continue;
        double left = 0;
        for (size_t j = i; j-- > 0;) {
            const TfrxView& o = *items[j].view;
            if (!overlapVertically(v, o)) continue;
            if (o.Align() == baWidth && o.Left() >= v.Left() + v.Width()) continue;
            left = o.Left() + o.Width();
            break;
        }
        v.SetLeft(left);
    }

    for (size_t i = n; i-- > 0;) {
        TfrxView& v = *items[i].view;
        if (v.Align() != baRight && v.Align() != baWidth) continue;
        double right = width_;
        for (size_t j = i + 1; j < n; ++j) {
            const TfrxView& o = *items[j].view;
            if (!overlapVertically(v, o)) continue;
            right = o.Left();
            break;
        }
        if (v.Align() == baWidth)
            v.SetWidth(right - v.Left());
        else
            v.SetLeft(right - v.Width());
    }

    for (const Item& it : items) {
        TfrxView& v = *it.view;
        switch (v.Align()) {
            case baCenter: v.SetLeft((width_ - v.Width()) / 2); break;
            case baBottom: v.SetTop(height_ - v.Height()); break;
            case baClient: v.SetBounds(0, 0, width_, height_); break;
            default: break;
        }
    }
}

}  // namespace lumaro
