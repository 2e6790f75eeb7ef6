#pragma once
// The element pattern: one character per bar or space.
//   "0" "1" "2" "3"  space      of ElementWidths[0..3]
//   "5" "6" "7" "8"  full bar   of ElementWidths[0..3]
//   "A" "B" "C" "D"  short bar (2/5 of the height) of ElementWidths[0..3]
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace lumaro::barcode {

enum class ElementKind : uint8_t { Space, Bar, ShortBar, Invalid };

struct Element {
    ElementKind kind;
    uint8_t widthIndex;  // index into ElementWidths
};

// Kind and width of a pattern character; Invalid for characters outside the alphabet.
Element elementOf(char c);

// Code 128 and Code 93 tables give each symbol as width digits "1" to "4" of alternating
// bar, space, bar, ... starting with a bar. Converts such a string in place: the digit at
// each even position becomes the bar of that width, at each odd position the space.
void convertWidthDigits(std::string& s);

// Sum of the element widths; raises "TfrxBarcode: internal Error" for a character outside
// the alphabet.
int64_t patternWidth(std::string_view pattern, const std::array<int, 4>& widths);

}  // namespace lumaro::barcode
