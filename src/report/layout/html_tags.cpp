#include "report/layout/html_tags.h"

#include "report/layout/layout_numbers.h"
#include "core/text.h"
#include "gfx/drawing_tools.h"
#include "script/library/color_constants.h"

namespace lumaro {

namespace {

// The tags that switch a style bit or the size; the font tag is read on its own.
struct SimpleTag {
    std::u32string_view name;  // lower case
    void (*open)(TfrxHTMLTagsList&);
    void (*close)(TfrxHTMLTagsList&);
};

int smallSize(const TfrxHTMLTagsList& s) { return static_cast<int>(layout::nearest(s.DefSize / 1.5)); }
void normalSize(TfrxHTMLTagsList& s) { s.Size = s.DefSize, s.AddY = 0; }

const SimpleTag kSimpleTags[] = {
    {U"b", [](TfrxHTMLTagsList& s) { s.Style |= fsBold; }, [](TfrxHTMLTagsList& s) { s.Style &= ~fsBold; }},
    {U"i", [](TfrxHTMLTagsList& s) { s.Style |= fsItalic; }, [](TfrxHTMLTagsList& s) { s.Style &= ~fsItalic; }},
    {U"u", [](TfrxHTMLTagsList& s) { s.Style |= fsUnderline; },
     [](TfrxHTMLTagsList& s) { s.Style &= ~fsUnderline; }},
    {U"strike", [](TfrxHTMLTagsList& s) { s.Style |= fsStrikeOut; },
     [](TfrxHTMLTagsList& s) { s.Style &= ~fsStrikeOut; }},
    {U"sub", [](TfrxHTMLTagsList& s) { s.Size = smallSize(s), s.AddY = 1; }, normalSize},
    {U"sup", [](TfrxHTMLTagsList& s) { s.Size = smallSize(s), s.AddY = 0; }, normalSize},
};

// True when `text` starts at `at` with `word` (lower case), letter case ignored.
bool startsWithWord(std::u32string_view text, size_t at, std::u32string_view word) {
    if (text.size() - at < word.size()) return false;
    for (size_t k = 0; k < word.size(); ++k)
        if (lowerChar(text[at + k]) != word[k]) return false;
    return true;
}

bool isBlank(char32_t c) { return c == U' '; }

int hexDigit(char32_t c) {
    if (c >= U'0' && c <= U'9') return static_cast<int>(c - U'0');
    if (c >= U'a' && c <= U'f') return static_cast<int>(c - U'a' + 10);
    if (c >= U'A' && c <= U'F') return static_cast<int>(c - U'A' + 10);
    return -1;
}

}  // namespace

std::optional<lumaro::Color> fontTagColor(std::u32string_view v) {
    if (v.size() > 3 && v.front() == U'"' && v[1] == U'#' && v.back() == U'"') {
        const std::u32string_view digits = v.substr(2, v.size() - 3);
        if (digits.size() > 6) return std::nullopt;
        int value = 0;
        for (char32_t c : digits) {
            const int d = hexDigit(c);
            if (d < 0) return std::nullopt;
            value = value * 16 + d;
        }
        // RRGGBB as written; the platform keeps red in the low byte.
        return rgb((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
    }
    if (auto named = findColorConstant("cl" + fromU32(v))) return *named;
    return std::nullopt;
}

void TfrxHTMLTagsList::Init(lumaro::Color defaultColor, int defaultSize, int defaultStyle) {
    DefColor = Color = defaultColor;
    DefSize = Size = defaultSize;
    DefStyle = Style = defaultStyle;
    AddY = 0;
    Position = 0;
}

TfrxHTMLTag TfrxHTMLTagsList::current() const {
    TfrxHTMLTag t;
    t.Position = Position;
    t.Size = Size;
    t.AddY = AddY;
    t.Style = Style;
    t.Color = Color;
    t.Small = Size != DefSize;
    return t;
}

size_t TfrxHTMLTagsList::applyTag(std::u32string_view line, size_t i) {
    size_t j = i + 1;
    const bool closing = j < line.size() && line[j] == U'/';
    if (closing) ++j;
    for (const SimpleTag& tag : kSimpleTags)
        if (startsWithWord(line, j, tag.name) && j + tag.name.size() < line.size() &&
            line[j + tag.name.size()] == U'>') {
            (closing ? tag.close : tag.open)(*this);
            return j + tag.name.size() + 1 - i;
        }
    if (!startsWithWord(line, j, U"font")) return 0;
    j += 4;
    if (closing) {
        if (j >= line.size() || line[j] != U'>') return 0;
        Color = DefColor;
        return j + 1 - i;
    }
    // <font color=V>: V runs from the equals sign (blanks skipped) to the next '>'.
    if (j >= line.size() || !isBlank(line[j])) return 0;
    while (j < line.size() && isBlank(line[j])) ++j;
    if (!startsWithWord(line, j, U"color")) return 0;
    j += 5;
    while (j < line.size() && isBlank(line[j])) ++j;
    if (j >= line.size() || line[j] != U'=') return 0;
    ++j;
    const size_t close = line.find(U'>', j);
    if (close == std::u32string_view::npos) return 0;
    size_t from = j, to = close;
    while (from < to && isBlank(line[from])) ++from;
    while (to > from && isBlank(line[to - 1])) --to;
    const auto color = fontTagColor(line.substr(from, to - from));
    if (!color) return 0;  // the tag stays in the text as it was written
    Color = *color;
    return close + 1 - i;
}

std::u32string TfrxHTMLTagsList::ExpandHTMLTags(std::u32string_view line, TfrxHTMLTags& tags) {
    std::u32string out;
    out.reserve(line.size());
    tags.reserve(tags.size() + line.size());
    const size_t firstTag = tags.size();
    for (size_t i = 0; i < line.size();) {
        if (AllowTags && line[i] == U'<') {
            if (const size_t length = applyTag(line, i)) {
                i += length;
                Position += static_cast<int>(length);
                continue;
            }
        }
        TfrxHTMLTag t = current();
        if (AllowTags) {
            const TfrxHTMLTag& before = tags.size() > firstTag ? tags.back() : TfrxHTMLTag{};
            const bool first = tags.size() == firstTag;
            t.Default = first ? (Style == DefStyle && Color == DefColor && Size == DefSize)
                              : (Style == before.Style && Color == before.Color && Size == before.Size);
        }
        tags.push_back(t);
        out.push_back(line[i]);
        ++i;
        ++Position;
    }
    Position += 2;  // the CR LF that ends the line in the text
    return out;
}

}  // namespace lumaro
