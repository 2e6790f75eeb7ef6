#include "core/string_functions.h"

#include "core/text.h"

namespace lumaro {

namespace {
// Byte range of the characters [from, from + count) with the position rules of Copy.
bool byteRange(std::string_view s, int from, int count, size_t& begin, size_t& end) {
    if (from < 1) from = 1;
    if (count < 1) return false;
    begin = utf8Offset(s, static_cast<size_t>(from - 1));
    if (begin >= s.size()) return false;
    const size_t rest = utf8Length(s.substr(begin));
    end = begin + utf8Offset(s.substr(begin), static_cast<size_t>(count) < rest ? static_cast<size_t>(count) : rest);
    return true;
}
}  // namespace

std::string copyText(std::string_view s, int from, int count) {
    size_t b, e;
    if (!byteRange(s, from, count, b, e)) return {};
    return std::string(s.substr(b, e - b));
}

int posText(std::string_view sub, std::string_view s) {
    if (sub.empty()) return 0;
    const size_t at = s.find(sub);
    if (at == std::string_view::npos) return 0;
    return static_cast<int>(utf8Length(s.substr(0, at))) + 1;
}

void deleteText(std::string& s, int from, int count) {
    size_t b, e;
    if (byteRange(s, from, count, b, e)) s.erase(b, e - b);
}

void insertText(std::string_view sub, std::string& s, int pos) {
    const size_t at = pos < 1 ? 0 : utf8Offset(s, static_cast<size_t>(pos - 1));
    s.insert(at, sub);
}

std::string nameCase(std::string_view s) {
    std::u32string u = toU32(s);
    bool start = true;
    for (char32_t& c : u) {
        c = start ? upperChar(c) : lowerChar(c);
        start = c == U' ';
    }
    return fromU32(u);
}

std::string chr(int code) {
    const char byte = static_cast<char>(code & 0xFF);
    return cp1250ToUtf8(std::string_view(&byte, 1));
}

int ord(std::string_view s) {
    if (s.empty()) return 0;
    const std::string first(s.substr(0, utf8Offset(s, 1)));
    const std::u32string u = toU32(first);
    if (u.empty() || u[0] < 0x80) return u.empty() ? 0 : static_cast<int>(u[0]);
    const std::string b = utf8ToCp1250(first, '\0');
    return b.size() == 1 && b[0] != '\0' ? static_cast<unsigned char>(b[0]) : static_cast<int>(u[0]);
}

}  // namespace lumaro
