#include "report/xml/xml_escape.h"

#include "core/date_time.h"
#include "core/number_text.h"
#include "core/text.h"

namespace lumaro {

namespace {

// The characters that EscapeXML replaces by a numeric reference.
constexpr bool needsEscape(unsigned char c) {
    return c == '\r' || c == '\n' || c == '"' || c == '&' || c == '<' || c == '>';
}

}  // namespace

void appendEscapedXML(std::string& out, std::string_view text) {
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (!needsEscape(c)) continue;
        out.append(text.data() + start, i - start);
        out += "&#";
        out += std::to_string(c);
        out += ';';
        start = i + 1;
    }
    out.append(text.data() + start, text.size() - start);
}

std::string EscapeXML(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    appendEscapedXML(out, text);
    return out;
}

std::string UnescapeXML(std::string_view text) {
    size_t amp = text.find("&#");
    if (amp == std::string_view::npos) return std::string(text);
    std::string out;
    out.reserve(text.size());
    size_t done = 0;
    while (amp != std::string_view::npos) {
        // The number has at least one character, so the ';' is looked for from the second one.
        const size_t semi = amp + 3 <= text.size() ? text.find(';', amp + 3) : std::string_view::npos;
        if (semi == std::string_view::npos) break;
        const int32_t code = strToInt(text.substr(amp + 2, semi - amp - 2));
        out.append(text.data() + done, amp - done);
        const bool scalar = code >= 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
        appendUtf8(out, scalar ? static_cast<char32_t>(code) : U'\uFFFD');
        done = semi + 1;
        amp = text.find("&#", done);
    }
    out.append(text.data() + done, text.size() - done);
    return out;
}

std::string ValueToXML(const Variant& value) {
    switch (value.type()) {
        case VarType::ShortInt:
        case VarType::SmallInt:
        case VarType::Integer: return intToStr(value.rawInt());
        case VarType::Single:
        case VarType::Double: return floatToStr(value.rawDouble());
        case VarType::Currency: return currToStr(value.rawCurrency());
        case VarType::Date: return dateToStr(value.rawDouble());
        case VarType::Boolean: return value.rawBool() ? "1" : "0";
        case VarType::String: return EscapeXML(value.rawString());
        default: return {};
    }
}

}  // namespace lumaro
