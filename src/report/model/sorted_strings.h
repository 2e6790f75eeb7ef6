#pragma once
// A sorted list of unique strings (letter case ignored when comparing), such as the report's
// error list.
#include <string>
#include <string_view>
#include <vector>

namespace lumaro {

class SortedStringList {
public:
    // Inserts in order; a string equal to one in the list (letter case ignored) is dropped.
    void Add(std::string_view s);
    void Clear() { items_.clear(); }
    int Count() const { return static_cast<int>(items_.size()); }
    bool empty() const { return items_.empty(); }
    const std::string& operator[](int i) const { return items_[static_cast<size_t>(i)]; }
    const std::vector<std::string>& lines() const { return items_; }
    // The lines joined with CR LF.
    std::string Text() const;
    // Replaces the contents by the lines of `text`.
    void SetText(std::string_view text);

private:
    std::vector<std::string> items_;
};

}  // namespace lumaro
