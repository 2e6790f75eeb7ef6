#include "report/xml/attribute_text.h"

#include "core/text.h"
#include "report/xml/xml_escape.h"

namespace lumaro {

namespace {

// One code point at s[i] (advancing i); a byte that starts no valid sequence gives 0xDC00 plus
// its value, which no valid sequence produces, so unequal stray bytes never compare equal.
char32_t decodeStep(std::string_view s, size_t& i) {
    const auto c = static_cast<unsigned char>(s[i]);
    int len = 0;
    char32_t cp = 0, min = 0;
    if (c < 0x80) {
        ++i;
        return c;
    }
    if ((c & 0xE0) == 0xC0) {
        len = 2; cp = c & 0x1F; min = 0x80;
    } else if ((c & 0xF0) == 0xE0) {
        len = 3; cp = c & 0x0F; min = 0x800;
    } else if ((c & 0xF8) == 0xF0) {
        len = 4; cp = c & 0x07; min = 0x10000;
    }
    bool ok = len > 0 && i + len <= s.size();
    for (int k = 1; ok && k < len; ++k) {
        const auto cc = static_cast<unsigned char>(s[i + k]);
        ok = (cc & 0xC0) == 0x80;
        cp = (cp << 6) | (cc & 0x3F);
    }
    if (!ok || cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return 0xDC00 | c;
    }
    i += len;
    return cp;
}

// End of `name` matched at text[pos] without regard to case, or npos.
size_t matchNoCase(std::string_view text, size_t pos, std::string_view name) {
    size_t i = pos, j = 0;
    while (j < name.size()) {
        if (i >= text.size()) return std::string_view::npos;
        const auto a = static_cast<unsigned char>(text[i]);
        const auto b = static_cast<unsigned char>(name[j]);
        if ((a | b) < 0x80) {
            if (a != b && upperChar(a) != upperChar(b)) return std::string_view::npos;
            ++i;
            ++j;
            continue;
        }
        const char32_t x = decodeStep(text, i);
        const char32_t y = decodeStep(name, j);
        if (x != y && upperChar(x) != upperChar(y)) return std::string_view::npos;
    }
    return i;
}

void lowerAsciiOrText(std::string& s) {
    for (char c : s) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            s = lowerCase(s);
            return;
        }
    }
    for (char& c : s)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
}

}  // namespace

bool AttributeScanner::next() {
    const size_t quote = rest_.find('"');
    if (quote == std::string_view::npos) {
        rest_ = {};
        return false;
    }
    std::string_view before = rest_.substr(0, quote);
    if (!before.empty()) before.remove_suffix(1);
    name_ = trim(before);
    if (name_.empty()) {
        rest_ = {};
        return false;
    }
    lowerAsciiOrText(name_);
    const size_t close = rest_.find('"', quote + 1);
    if (close == std::string_view::npos) {
        value_ = rest_.substr(quote + 1);
        rest_ = {};
    } else {
        value_ = rest_.substr(quote + 1, close - quote - 1);
        rest_ = rest_.substr(std::min(close + 2, rest_.size()));
    }
    return true;
}

void appendAttribute(std::string& out, std::string_view name, std::string_view value) {
    out += ' ';
    out.append(name);
    out += "=\"";
    out.append(value);
    out += '"';
}

void appendAttributeEscaped(std::string& out, std::string_view name, std::string_view value) {
    out += ' ';
    out.append(name);
    out += "=\"";
    appendEscapedXML(out, value);
    out += '"';
}

AttributeSpan findAttribute(std::string_view text, std::string_view name) {
    AttributeSpan span;
    size_t pos = 0;
    while (true) {
        const size_t end = matchNoCase(text, pos, name);
        if (end != std::string_view::npos && text.substr(end, 2) == "=\"") {
            span.nameStart = pos;
            span.valueStart = end + 2;
            const size_t close = text.find('"', span.valueStart);
            span.valueEnd = close == std::string_view::npos ? text.size() : close;
            return span;
        }
        const size_t space = text.find(' ', pos);
        if (space == std::string_view::npos) return span;
        pos = space + 1;
    }
}

}  // namespace lumaro
