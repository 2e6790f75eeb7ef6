#include "core/mask_text.h"

#include <algorithm>
#include <vector>

#include "core/text.h"

namespace lumaro {

namespace {

constexpr char32_t kBlank = U' ';

struct MaskItem {
    bool place = false;      // a place for a character of the value
    std::u32string literal;  // otherwise the text inserted there
};

struct ParsedMask {
    std::vector<MaskItem> items;
    bool saveLiterals = true;
    bool reverse = false;
};

bool escapedAt(std::u32string_view m, size_t i) {
    // A character is escaped by a "\" that is not itself escaped.
    return i >= 1 && m[i - 1] == U'\\' && !(i >= 2 && m[i - 2] == U'\\');
}

bool isFieldSeparator(std::u32string_view m, size_t i) {
    return m[i] == U';' && m.size() >= 4 && i + 4 >= m.size() && !escapedAt(m, i);
}

ParsedMask parseMask(std::string_view text, const FormatSettings& fs) {
    ParsedMask pm;
    const std::u32string m = toU32(text);
    size_t end = m.size();
    // The save flag follows the first of the (at most two) field separators at the end.
    for (size_t i = 0; i < m.size(); ++i) {
        if (isFieldSeparator(m, i)) {
            end = i;
            if (i + 1 < m.size()) pm.saveLiterals = m[i + 1] != U'0';
            break;
        }
    }
    for (size_t i = 0; i < end; ++i) {
        const char32_t c = m[i];
        MaskItem item;
        if (escapedAt(m, i)) {
            item.literal = c;
        } else {
            switch (c) {
                case U'!': pm.reverse = true; continue;
                case U'>':
                case U'<':
                case U'\\': continue;
                case U'0':
                case U'9':
                case U'#':
                case U'L':
                case U'l':
                case U'A':
                case U'a':
                case U'C':
                case U'c': item.place = true; break;
                case U':': item.literal = toU32(fs.timeSeparator); break;
                case U'/': item.literal = toU32(fs.dateSeparator); break;
                case U'_': item.literal = kBlank; break;
                default: item.literal = c; break;
            }
        }
        pm.items.push_back(std::move(item));
    }
    return pm;
}

// The value holds only the characters for the places: insert the literals between them.
std::u32string insertLiterals(const ParsedMask& pm, std::u32string v) {
    if (!pm.reverse) {
        size_t offset = 0;
        for (const MaskItem& item : pm.items) {
            if (item.place) {
                if (offset >= v.size()) v += kBlank;
                ++offset;
            } else {
                v.insert(offset, item.literal);
                offset += item.literal.size();
            }
        }
        return v;
    }
    // From the right: missing characters become blanks at the front.
    size_t offset = v.size();
    for (auto it = pm.items.rbegin(); it != pm.items.rend(); ++it) {
        if (it->place) {
            if (offset == 0)
                v.insert(v.begin(), kBlank);
            else
                --offset;
        } else {
            v.insert(offset, it->literal);
        }
    }
    return v;
}

// The value holds the literals too: pad each stretch of places to its width.
std::u32string padBetweenLiterals(const ParsedMask& pm, std::u32string_view v) {
    std::u32string out;
    size_t pos = 0;
    size_t k = 0;
    while (k <= pm.items.size()) {
        size_t width = 0;
        while (k < pm.items.size() && pm.items[k].place) {
            ++width;
            ++k;
        }
        const bool last = k == pm.items.size();
        std::u32string_view part;
        if (last) {
            part = v.substr(pos);
        } else {
            // The stretch ends at the next literal, or after its width when the value lacks it.
            const std::u32string& lit = pm.items[k].literal;
            const size_t found = lit.empty() ? std::u32string_view::npos : v.find(lit, pos);
            const size_t len = found == std::u32string_view::npos ? std::min(width, v.size() - pos) : found - pos;
            part = v.substr(pos, len);
        }
        pos += part.size();
        const size_t pad = part.size() < width ? width - part.size() : 0;
        if (pm.reverse) out.append(pad, kBlank);
        out += part;
        if (!pm.reverse) out.append(pad, kBlank);
        if (last) break;
        const std::u32string& lit = pm.items[k].literal;
        out += lit;
        if (!lit.empty() && v.compare(pos, lit.size(), lit) == 0) pos += lit.size();
        ++k;
    }
    return out;
}

}  // namespace

std::string formatMaskText(std::string_view mask, std::string_view value, const FormatSettings& fs) {
    const ParsedMask pm = parseMask(mask, fs);
    if (pm.items.empty()) return std::string(value);
    const std::u32string v = toU32(value);
    return fromU32(pm.saveLiterals ? padBetweenLiterals(pm, v) : insertLiterals(pm, v));
}

}  // namespace lumaro
