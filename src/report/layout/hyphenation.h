#pragma once
// Breaking a long word at a syllable (Russian rules on the Cyrillic alphabet), for word break.
#include <cstddef>
#include <string_view>

namespace lumaro {

// The word starts at `wordStart` of `text` and runs up to the first blank, full stop, comma,
// hyphen or semicolon at or after `overflow`, the first character that no longer fits.
// Returns the length of the part before the last syllable break that leaves that part shorter
// than the characters that fit (overflow - wordStart), or 0 when the word has no such break.
size_t hyphenatedPrefix(std::u32string_view text, size_t wordStart, size_t overflow);

}  // namespace lumaro
