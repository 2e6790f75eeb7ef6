// 2 of 5 family: each digit is five elements, two of them wide.
#include <string_view>

#include "barcode/encoding.h"

namespace lumaro::barcode {

namespace {
// Wide (W) and narrow (N) flags of the digits 0 to 9.
constexpr std::string_view kFlags[10] = {"NNWWN", "WNNNW", "NWNNW", "WWNNN", "NNWNW",
                                         "WNWNN", "NWWNN", "NNNWW", "WNNWN", "NWNWN"};

const std::string_view& flagsOf(char digit) { return kFlags[digit - '0']; }
char bar(char flag) { return flag == 'W' ? '6' : '5'; }
char space(char flag) { return flag == 'W' ? '1' : '0'; }

// Bars from the first digit of each pair, spaces from the second. A text with an odd
// number of digits gets a "0" in front, as Code 128 set C does, so that no digit is lost.
void interleaved(Encoding& e) {
    if (e.text.size() % 2 != 0) e.text.insert(0, 1, '0');
    e.pattern += "5050";
    for (size_t i = 0; i + 1 < e.text.size(); i += 2) {
        const auto& bars = flagsOf(e.text[i]);
        const auto& spaces = flagsOf(e.text[i + 1]);
        for (int k = 0; k < 5; ++k) {
            e.pattern += bar(bars[k]);
            e.pattern += space(spaces[k]);
        }
    }
    e.pattern += "605";
}

// Every flag is a bar followed by a narrow space.
void industrial(Encoding& e) {
    e.pattern += "606050";
    for (char c : e.text)
        for (char flag : flagsOf(c)) {
            e.pattern += bar(flag);
            e.pattern += '0';
        }
    e.pattern += "605060";
}

// Flags 1, 3 and 5 are bars, 2 and 4 spaces, then a narrow gap.
void matrix(Encoding& e) {
    e.pattern += "705050";
    for (char c : e.text) {
        const auto& f = flagsOf(c);
        for (int k = 0; k < 5; ++k) e.pattern += k % 2 == 0 ? bar(f[k]) : space(f[k]);
        e.pattern += '0';
    }
    e.pattern += "70505";
}
}  // namespace

void encodeTwoOfFive(Encoding& e) {
    if (e.type == bcCode_2_5_interleaved)
        interleaved(e);
    else if (e.type == bcCode_2_5_industrial)
        industrial(e);
    else
        matrix(e);
}

}  // namespace lumaro::barcode
