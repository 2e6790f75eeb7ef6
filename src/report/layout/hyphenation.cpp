#include "report/layout/hyphenation.h"

#include <algorithm>

#include "core/text.h"

namespace lumaro {

namespace {

constexpr std::u32string_view kVowels = U"АЕЁИОУЫЭЮЯ";
constexpr std::u32string_view kConsonants = U"БВГДЖЗЙКЛМНПРСТФХЦЧШЩЬЪ";

bool isVowel(char32_t c) { return kVowels.find(c) != std::u32string_view::npos; }
bool isConsonant(char32_t c) { return kConsonants.find(c) != std::u32string_view::npos; }

bool endsWord(char32_t c) { return c == U' ' || c == U'.' || c == U',' || c == U'-' || c == U';'; }

// A break after `at` characters of the upper-cased word `w`.
bool breaksAfter(const std::u32string& w, size_t at) {
    const char32_t last = w[at - 1], next = w[at];
    if (isConsonant(last)) {
        if (isVowel(next) || next == U'Ъ' || next == U'Ь') return false;
    } else if (isVowel(last)) {
        if (next == U'Й') return false;
        if (at + 2 < w.size() && isConsonant(next) && w[at + 1] == next && isVowel(w[at + 2])) return false;
    } else {
        return false;
    }
    // Both parts longer than one character and each with a vowel.
    if (at < 2 || w.size() - at < 2) return false;
    const auto hasVowel = [](auto from, auto to) { return std::any_of(from, to, isVowel); };
    return hasVowel(w.begin(), w.begin() + static_cast<std::ptrdiff_t>(at)) &&
           hasVowel(w.begin() + static_cast<std::ptrdiff_t>(at), w.end());
}

}  // namespace

size_t hyphenatedPrefix(std::u32string_view text, size_t wordStart, size_t overflow) {
    if (overflow <= wordStart || overflow > text.size()) return 0;
    size_t end = overflow;
    while (end < text.size() && !endsWord(text[end])) ++end;
    if (end - wordStart <= 3) return 0;
    std::u32string word(text.substr(wordStart, end - wordStart));
    for (char32_t& c : word) c = upperChar(c);
    const size_t fit = overflow - wordStart;
    for (size_t at = std::min(fit, word.size()) - 1; at >= 1; --at)
        if (breaksAfter(word, at)) return at;
    return 0;
}

}  // namespace lumaro
