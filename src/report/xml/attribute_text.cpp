#include "report/xml/attribute_text.h"

#include "core/text.h"
#include "report/xml/xml_escape.h"

namespace lumaro {

namespace {

// End of `name` matched at text[pos] without regard to case, or npos. `nameLength` is the
// number of code points of the name; the text may spell them with a different number of bytes.
size_t matchNoCase(std::string_view text, size_t pos, std::string_view name, size_t nameLength) {
    const std::string_view rest = text.substr(pos);
    const size_t len = utf8Offset(rest, nameLength);
    return sameText(rest.substr(0, len), name) ? pos + len : std::string_view::npos;
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
    const size_t nameLength = utf8Length(name);
    size_t pos = 0;
    while (true) {
        const size_t end = matchNoCase(text, pos, name, nameLength);
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
