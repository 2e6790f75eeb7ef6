#pragma once
// Text helpers. All text is UTF-8 in std::string; positions that the user sees (script
// columns, text layout) count code points.
#include <string>
#include <string_view>
#include <vector>

namespace lumaro {

bool isValidUtf8(std::string_view s);
// Windows-1250 (the single-byte code page of templates written elsewhere) to UTF-8.
std::string cp1250ToUtf8(std::string_view s);
// UTF-8 to Windows-1250; code points the code page lacks become `replacement`.
std::string utf8ToCp1250(std::string_view s, char replacement = '?');
// Returns `s` unchanged when it is valid UTF-8, else reads it as Windows-1250.
std::string toUtf8(std::string_view s);

std::u32string toU32(std::string_view s);  // invalid bytes become U+FFFD
std::string fromU32(std::u32string_view s);
void appendUtf8(std::string& out, char32_t cp);
// Number of code points (invalid bytes count one each).
size_t utf8Length(std::string_view s);
// Byte offset of the code point with index `cpIndex` (clamped to the end).
size_t utf8Offset(std::string_view s, size_t cpIndex);

char32_t upperChar(char32_t c);
char32_t lowerChar(char32_t c);
std::string upperCase(std::string_view s);
std::string lowerCase(std::string_view s);
// Letter case is ignored for the letters of the Latin, Greek and Cyrillic alphabets.
bool sameText(std::string_view a, std::string_view b);
int compareText(std::string_view a, std::string_view b);
// Case-sensitive comparison byte by byte: negative, zero or positive.
int compareStr(std::string_view a, std::string_view b);

std::string trim(std::string_view s);       // removes characters <= ' ' at both ends
std::string trimLeft(std::string_view s);
std::string trimRight(std::string_view s);
bool startsWithText(std::string_view s, std::string_view prefix);  // ignoring case

// Splits at CR LF, LF or CR; a final line break does not start another line.
std::vector<std::string> splitLines(std::string_view s);
std::string joinLines(const std::vector<std::string>& lines, std::string_view sep = "\r\n");

std::string replaceAll(std::string_view s, std::string_view from, std::string_view to);

}  // namespace lumaro
