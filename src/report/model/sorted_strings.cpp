#include "report/model/sorted_strings.h"

#include <algorithm>

#include "core/text.h"

namespace lumaro {

void SortedStringList::Add(std::string_view s) {
    const auto it = std::lower_bound(items_.begin(), items_.end(), s,
                                     [](const std::string& a, std::string_view b) { return compareText(a, b) < 0; });
    if (it != items_.end() && compareText(*it, s) == 0) return;
    items_.insert(it, std::string(s));
}

std::string SortedStringList::Text() const { return joinLines(items_); }

void SortedStringList::SetText(std::string_view text) {
    items_.clear();
    for (const std::string& line : splitLines(text)) Add(line);
}

}  // namespace lumaro
