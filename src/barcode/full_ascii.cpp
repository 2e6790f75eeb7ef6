#include "barcode/full_ascii.h"

#include <array>

namespace lumaro::barcode {

namespace {
// Codes from..to become the shift character (index into "$%/+", or -1 for the character
// itself) followed by consecutive letters from `letter`.
struct Range {
    int from, to;
    int shift;
    char letter;
};
constexpr Range kRanges[] = {
    {0, 0, 1, 'U'},     {1, 26, 0, 'A'},   {27, 31, 1, 'A'},  {32, 32, -1, 0},   {33, 47, 2, 'A'},
    {48, 57, -1, 0},    {58, 58, 2, 'Z'},  {59, 63, 1, 'F'},  {64, 64, 1, 'V'},  {65, 90, -1, 0},
    {91, 95, 1, 'K'},   {96, 96, 1, 'W'},  {97, 122, 3, 'A'}, {123, 127, 1, 'P'},
};

struct Replacement {
    int shift;  // -1: the character stands for itself
    char letter;
};

constexpr std::array<Replacement, 128> makeTable() {
    std::array<Replacement, 128> t{};
    for (const Range& r : kRanges)
        for (int c = r.from; c <= r.to; ++c)
            t[c] = r.shift < 0 ? Replacement{-1, static_cast<char>(c)}
                               : Replacement{r.shift, static_cast<char>(r.letter + (c - r.from))};
    return t;
}
constexpr std::array<Replacement, 128> kTable = makeTable();
}  // namespace

std::string toFullAscii(std::string_view text, std::string_view shifts) {
    std::string out;
    out.reserve(text.size() * 2);
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 128) continue;
        const Replacement r = kTable[c];
        if (r.shift >= 0) out += shifts[static_cast<size_t>(r.shift)];
        out += r.letter;
    }
    return out;
}

}  // namespace lumaro::barcode
