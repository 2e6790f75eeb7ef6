#pragma once
// String functions of scripts. Positions and lengths count characters (code points), 1-based.
#include <string>
#include <string_view>

namespace lumaro {

// Characters from position `from` for `count` characters: `from` below 1 counts as 1, a start
// beyond the end or a count below 1 gives an empty text, the count is cut at the end.
std::string copyText(std::string_view s, int from, int count);
// Position of the first occurrence of `sub` in `s` (case-sensitive), 0 when absent or empty.
int posText(std::string_view sub, std::string_view s);
// Removes `count` characters at `from` with the position rules of copyText.
void deleteText(std::string& s, int from, int count);
// Inserts `sub` before position `pos` of `s`: below 1 at the front, beyond the end at the end.
void insertText(std::string_view sub, std::string& s, int pos);
// Lower case, then upper case for the first character and every character after a blank.
std::string nameCase(std::string_view s);
// Characters as the single-byte code page of templates (Windows-1250) numbers them:
// chr takes the low 8 bits of the code; ord gives the code of the first character (0 for an
// empty text; a character outside the code page gives its Unicode number).
std::string chr(int code);
int ord(std::string_view s);

}  // namespace lumaro
