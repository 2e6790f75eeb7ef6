#include "report/model/name_index.h"

namespace lumaro {

namespace {
inline char foldChar(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
}  // namespace

std::string foldAsciiCase(std::string_view s) {
    std::string out(s);
    for (char& c : out) c = foldChar(c);
    return out;
}

bool sameAsciiText(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (foldChar(a[i]) != foldChar(b[i])) return false;
    return true;
}

size_t AsciiCaseHash::operator()(std::string_view s) const noexcept {
    size_t h = 14695981039346656037ull;  // FNV-1a
    for (char c : s) {
        h ^= static_cast<unsigned char>(foldChar(c));
        h *= 1099511628211ull;
    }
    return h;
}

void NameIndex::add(std::string_view name) {
    if (name.empty()) return;
    const auto it = counts_.find(name);
    if (it != counts_.end())
        ++it->second;
    else
        counts_.emplace(std::string(name), 1);
}

void NameIndex::remove(std::string_view name) {
    if (name.empty()) return;
    const auto it = counts_.find(name);
    if (it != counts_.end() && --it->second <= 0) counts_.erase(it);
}

bool NameIndex::contains(std::string_view name) const { return !name.empty() && counts_.find(name) != counts_.end(); }

}  // namespace lumaro
