#pragma once
// Names of the objects of one report, compared without regard to ASCII letter case, with a
// count per name (a moved-in subtree may bring a name twice). Setting a name checks it here
// instead of walking the whole tree.
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

namespace lumaro {

// ASCII letters lower-cased; other bytes unchanged.
std::string foldAsciiCase(std::string_view s);
bool sameAsciiText(std::string_view a, std::string_view b);

// Hash and equality of names without regard to ASCII letter case; they look up string views
// without building a string.
struct AsciiCaseHash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const noexcept;
};
struct AsciiCaseEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const noexcept { return sameAsciiText(a, b); }
};

class NameIndex {
public:
    void add(std::string_view name);
    void remove(std::string_view name);
    bool contains(std::string_view name) const;
    void clear() { counts_.clear(); }
    size_t size() const { return counts_.size(); }

private:
    std::unordered_map<std::string, int, AsciiCaseHash, AsciiCaseEqual> counts_;
};

}  // namespace lumaro
