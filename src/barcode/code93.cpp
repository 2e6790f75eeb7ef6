// Code 93 and its full ASCII form. Two check characters, C and K, are always present.
#include <array>
#include <cstdint>
#include <string_view>

#include "barcode/barcode_error.h"
#include "barcode/element_pattern.h"
#include "barcode/encoding.h"
#include "barcode/full_ascii.h"

namespace lumaro::barcode {

namespace {
// The 47 characters in value order; "[", "]", "{", "}" are the shift characters written
// ($), (%), (/) and (+) in the symbology's own tables.
constexpr std::string_view kChars = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%[]{}";
constexpr std::string_view kShifts = "[]{}";
constexpr int kFirstShift = 43;

// Width digits of bar, space, bar, space, bar, space (nine modules).
constexpr std::string_view kWidths[47] = {
    "131112", "111213", "111312", "111411", "121113", "121212", "121311", "111114", "131211", "141111",
    "211113", "211212", "211311", "221112", "221211", "231111", "112113", "112212", "112311", "122112",
    "132111", "111123", "111222", "111321", "121122", "131121", "212112", "212211", "211122", "211221",
    "221121", "222111", "112122", "112221", "122121", "123111", "121131", "311112", "311211", "321111",
    "112131", "113121", "211131", "121221", "312111", "311121", "122211",
};
constexpr std::string_view kStart = "111141";
constexpr std::string_view kStopAndTermination = "1111411";

constexpr std::array<int8_t, 128> makeIndex() {
    std::array<int8_t, 128> t{};
    for (auto& i : t) i = -1;
    for (int i = 0; i < static_cast<int>(kChars.size()); ++i) t[static_cast<unsigned char>(kChars[i])] = static_cast<int8_t>(i);
    return t;
}
constexpr std::array<int8_t, 128> kIndex = makeIndex();

int valueOf(char ch) {
    const auto c = static_cast<unsigned char>(ch);
    return c < 128 ? kIndex[c] : -1;
}

// `symbols` holds characters of the 47-character set only.
void encodeSymbols(std::string_view symbols, std::string& pattern) {
    std::string digits;
    digits.reserve((symbols.size() + 4) * 6 + 1);
    digits += kStart;
    for (char c : symbols) digits += kWidths[valueOf(c)];

    // C weights run 1..20 and K weights 1..15 from the rightmost character, K counting from 2
    // so that C itself enters K with weight 1.
    int64_t sumC = 0, sumK = 0;
    int weightC = 1, weightK = 2;
    for (size_t i = symbols.size(); i-- > 0;) {
        const int v = valueOf(symbols[i]);
        sumC += v * weightC;
        sumK += v * weightK;
        weightC = weightC == 20 ? 1 : weightC + 1;
        weightK = weightK == 15 ? 1 : weightK + 1;
    }
    const int c = static_cast<int>(sumC % 47);
    const int k = static_cast<int>((sumK + c) % 47);
    digits += kWidths[c];
    digits += kWidths[k];
    digits += kStopAndTermination;
    convertWidthDigits(digits);
    pattern += digits;
}
}  // namespace

// The shift characters are not data: only the full ASCII form emits them, always in pairs,
// because a shift left alone or before the wrong letter leaves a symbol no reader accepts.
void encodeCode93(Encoding& e) {
    for (char c : e.text)
        if (valueOf(c) < 0 || valueOf(c) >= kFirstShift) throw EBarcodeError(code93BadData(e.text));
    encodeSymbols(e.text, e.pattern);
}

void encodeCode93Extended(Encoding& e) { encodeSymbols(toFullAscii(e.text, kShifts), e.pattern); }

}  // namespace lumaro::barcode
