#include "core/text.h"

#include <algorithm>

namespace lumaro {

namespace {

// Decodes one code point at s[i]; advances i. Invalid sequences yield U+FFFD and one byte.
char32_t decodeAt(std::string_view s, size_t& i, bool* ok = nullptr) {
    const auto c = static_cast<unsigned char>(s[i]);
    if (ok) *ok = true;
    if (c < 0x80) {
        ++i;
        return c;
    }
    int len = 0;
    char32_t cp = 0;
    char32_t min = 0;
    if ((c & 0xE0) == 0xC0) {
        len = 2; cp = c & 0x1F; min = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
        len = 3; cp = c & 0x0F; min = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
        len = 4; cp = c & 0x07; min = 0x10000;
    }
    if (len == 0 || i + len > s.size()) {
        if (ok) *ok = false;
        ++i;
        return 0xFFFD;
    }
    for (int k = 1; k < len; ++k) {
        const auto cc = static_cast<unsigned char>(s[i + k]);
        if ((cc & 0xC0) != 0x80) {
            if (ok) *ok = false;
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (cc & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        if (ok) *ok = false;
        ++i;
        return 0xFFFD;
    }
    i += len;
    return cp;
}

// Windows-1250 bytes 0x80..0xFF; 0 marks an unassigned position.
constexpr char16_t kCp1250High[128] = {
    0x20AC, 0,      0x201A, 0,      0x201E, 0x2026, 0x2020, 0x2021,
    0,      0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0,      0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

}  // namespace

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

bool isValidUtf8(std::string_view s) {
    size_t i = 0;
    while (i < s.size()) {
        if (static_cast<unsigned char>(s[i]) < 0x80) {
            ++i;
            continue;
        }
        bool ok = true;
        decodeAt(s, i, &ok);
        if (!ok) return false;
    }
    return true;
}

std::string cp1250ToUtf8(std::string_view s) {
    std::string out;
    out.reserve(s.size() + s.size() / 8);
    for (char ch : s) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            out += ch;
        } else {
            const char16_t u = kCp1250High[c - 0x80];
            appendUtf8(out, u ? u : c);  // unassigned bytes keep their value as a code point
        }
    }
    return out;
}

std::string utf8ToCp1250(std::string_view s, char replacement) {
    std::string out;
    out.reserve(s.size());
    size_t i = 0;
    while (i < s.size()) {
        const char32_t cp = decodeAt(s, i);
        if (cp < 0x80) {
            out += static_cast<char>(cp);
            continue;
        }
        char found = replacement;
        for (int k = 0; k < 128; ++k) {
            if (kCp1250High[k] == cp || (kCp1250High[k] == 0 && cp == char32_t(0x80 + k))) {
                found = static_cast<char>(0x80 + k);
                break;
            }
        }
        out += found;
    }
    return out;
}

std::string toUtf8(std::string_view s) {
    return isValidUtf8(s) ? std::string(s) : cp1250ToUtf8(s);
}

std::u32string toU32(std::string_view s) {
    std::u32string out;
    out.reserve(s.size());
    size_t i = 0;
    while (i < s.size()) out += decodeAt(s, i);
    return out;
}

std::string fromU32(std::u32string_view s) {
    std::string out;
    out.reserve(s.size());
    for (char32_t c : s) appendUtf8(out, c);
    return out;
}

size_t utf8Length(std::string_view s) {
    size_t n = 0;
    size_t i = 0;
    while (i < s.size()) {
        if (static_cast<unsigned char>(s[i]) < 0x80)
            ++i;
        else
            decodeAt(s, i);
        ++n;
    }
    return n;
}

size_t utf8Offset(std::string_view s, size_t cpIndex) {
    size_t i = 0;
    while (i < s.size() && cpIndex > 0) {
        if (static_cast<unsigned char>(s[i]) < 0x80)
            ++i;
        else
            decodeAt(s, i);
        --cpIndex;
    }
    return i;
}

char32_t upperChar(char32_t c) {
    if (c < 0x80) return (c >= 'a' && c <= 'z') ? c - 32 : c;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    if (c == 0xFF) return 0x178;
    if (c >= 0x100 && c <= 0x17F) {
        if (c == 0x131) return 'I';
        if (c == 0x138 || c == 0x149 || c == 0x17F) return c;
        const bool oddUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (oddUpper) return (c % 2 == 0) ? c - 1 : c;
        return (c % 2 == 1) ? c - 1 : c;
    }
    if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2) return c - 32;
    if (c >= 0x430 && c <= 0x44F) return c - 32;
    if (c >= 0x450 && c <= 0x45F) return c - 80;
    return c;
}

char32_t lowerChar(char32_t c) {
    if (c < 0x80) return (c >= 'A' && c <= 'Z') ? c + 32 : c;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    if (c == 0x178) return 0xFF;
    if (c >= 0x100 && c <= 0x17F) {
        if (c == 0x130) return 'i';
        if (c == 0x138 || c == 0x149 || c == 0x17F) return c;
        const bool oddUpper = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        if (oddUpper) return (c % 2 == 1) ? c + 1 : c;
        return (c % 2 == 0) ? c + 1 : c;
    }
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return c + 32;
    if (c >= 0x410 && c <= 0x42F) return c + 32;
    if (c >= 0x400 && c <= 0x40F) return c + 80;
    return c;
}

namespace {
template <char32_t (*Map)(char32_t)>
std::string mapCase(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    size_t i = 0;
    while (i < s.size()) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x80) {
            out += static_cast<char>(Map(c));
            ++i;
            continue;
        }
        const size_t start = i;
        bool ok = true;
        const char32_t cp = decodeAt(s, i, &ok);
        if (!ok)
            out.append(s.substr(start, i - start));  // keep invalid bytes as they are
        else
            appendUtf8(out, Map(cp));
    }
    return out;
}
}  // namespace

std::string upperCase(std::string_view s) { return mapCase<upperChar>(s); }
std::string lowerCase(std::string_view s) { return mapCase<lowerChar>(s); }

int compareText(std::string_view a, std::string_view b) {
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const auto ca = static_cast<unsigned char>(a[i]);
        const auto cb = static_cast<unsigned char>(b[j]);
        char32_t x, y;
        if (ca < 0x80 && cb < 0x80) {
            x = upperChar(ca);
            y = upperChar(cb);
            ++i;
            ++j;
        } else {
            x = upperChar(decodeAt(a, i));
            y = upperChar(decodeAt(b, j));
        }
        if (x != y) return x < y ? -1 : 1;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}

bool sameText(std::string_view a, std::string_view b) {
    if (a.size() == b.size()) {
        bool ascii = true;
        for (size_t k = 0; k < a.size(); ++k) {
            const auto x = static_cast<unsigned char>(a[k]);
            const auto y = static_cast<unsigned char>(b[k]);
            if ((x | y) & 0x80) {
                ascii = false;
                break;
            }
            if (x != y && upperChar(x) != upperChar(y)) return false;
        }
        if (ascii) return true;
    }
    return compareText(a, b) == 0;
}

int compareStr(std::string_view a, std::string_view b) {
    const int r = a.compare(b);
    return r < 0 ? -1 : (r > 0 ? 1 : 0);
}

std::string trimLeft(std::string_view s) {
    size_t b = 0;
    while (b < s.size() && static_cast<unsigned char>(s[b]) <= ' ') ++b;
    return std::string(s.substr(b));
}

std::string trimRight(std::string_view s) {
    size_t e = s.size();
    while (e > 0 && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
    return std::string(s.substr(0, e));
}

std::string trim(std::string_view s) { return trimRight(trimLeft(s)); }

bool startsWithText(std::string_view s, std::string_view prefix) {
    if (s.size() < prefix.size()) return false;
    return sameText(s.substr(0, prefix.size()), prefix);
}

std::vector<std::string> splitLines(std::string_view s) {
    std::vector<std::string> lines;
    size_t start = 0;
    size_t i = 0;
    while (i < s.size()) {
        if (s[i] == '\r' || s[i] == '\n') {
            lines.emplace_back(s.substr(start, i - start));
            if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
            ++i;
            start = i;
        } else {
            ++i;
        }
    }
    if (start < s.size()) lines.emplace_back(s.substr(start));
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines, std::string_view sep) {
    std::string out;
    for (size_t k = 0; k < lines.size(); ++k) {
        if (k) out += sep;
        out += lines[k];
    }
    return out;
}

std::string replaceAll(std::string_view s, std::string_view from, std::string_view to) {
    if (from.empty()) return std::string(s);
    std::string out;
    size_t pos = 0;
    while (true) {
        const size_t f = s.find(from, pos);
        if (f == std::string_view::npos) break;
        out.append(s.substr(pos, f - pos));
        out.append(to);
        pos = f + from.size();
    }
    out.append(s.substr(pos));
    return out;
}

}  // namespace lumaro
