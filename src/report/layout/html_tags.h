#pragma once
// The small tag subset of text objects: <b>, <i>, <u>, <strike>, <sub>, <sup>, <font color=V>
// and their closing tags. Expanding a line removes the tags it recognises and gives every
// remaining character the state (style, colour, size, lowering) it is drawn with.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/color.h"

namespace lumaro {

// The state of one character.
struct TfrxHTMLTag {
    int Position = 0;  // code point index in the layout's text (tags and line breaks counted)
    int Size = 0;      // points
    int AddY = 0;      // 1: drawn lowered (subscript)
    int Style = 0;     // FontStyleBits
    lumaro::Color Color = clBlack;
    bool Default = true;  // same style, colour and size as the character before (or the defaults)
    bool Small = false;   // size differs from the default size

    // Characters of one run are drawn with one font.
    bool sameFont(const TfrxHTMLTag& o) const {
        return Size == o.Size && AddY == o.AddY && Style == o.Style && Color == o.Color;
    }
};

using TfrxHTMLTags = std::vector<TfrxHTMLTag>;

// The defaults (the object's font) and the current state, carried from one source line to
// the next, so that a tag opened on one line holds on the following ones. The per-line lists
// of tags are kept with the output lines of the layout.
class TfrxHTMLTagsList {
public:
    void Init(lumaro::Color defaultColor, int defaultSize, int defaultStyle);

    // Expands one source line: returns its characters without the recognised tags and appends
    // one tag per character to `tags`. With AllowTags off nothing is removed. Position then
    // stands after the line and its CR LF.
    std::u32string ExpandHTMLTags(std::u32string_view line, TfrxHTMLTags& tags);

    bool AllowTags = true;

    lumaro::Color DefColor = clBlack;
    int DefSize = 10;
    int DefStyle = 0;

    lumaro::Color Color = clBlack;
    int Size = 10;
    int Style = 0;
    int AddY = 0;
    int Position = 0;

private:
    // Applies the tag that begins at line[i] ('<'); returns its length, 0 when none begins there.
    size_t applyTag(std::u32string_view line, size_t i);
    TfrxHTMLTag current() const;
};

// The colour a font tag's value gives: "\"#RRGGBB\"" (hexadecimal red, green, blue) or a
// colour name without its "cl" prefix ("red", "green"); none for any other value.
std::optional<lumaro::Color> fontTagColor(std::u32string_view value);

}  // namespace lumaro
