// 2 of 5 family: each digit is five elements, two of them wide.
#include <array>
#include <string_view>

#include "barcode/encoding.h"

namespace lumaro::barcode {

namespace {
// Wide (W) and narrow (N) flags of the digits 0 to 9.
constexpr std::string_view kFlags[10] = {"NNWWN", "WNNNW", "NWNNW", "WWNNN", "NNWNW",
                                         "WNWNN", "NWWNN", "NNNWW", "WNNWN", "NWNWN"};

constexpr char bar(char flag) { return flag == 'W' ? '6' : '5'; }
constexpr char space(char flag) { return flag == 'W' ? '1' : '0'; }

// The elements of each digit, derived once from the flags.
template <size_t N>
using DigitTable = std::array<std::array<char, N>, 10>;

// Industrial: every flag is a bar followed by a narrow space.
constexpr DigitTable<10> makeIndustrial() {
    DigitTable<10> t{};
    for (int d = 0; d < 10; ++d)
        for (int k = 0; k < 5; ++k) t[d][2 * k] = bar(kFlags[d][k]), t[d][2 * k + 1] = '0';
    return t;
}

// Matrix: flags 1, 3 and 5 are bars, 2 and 4 spaces, then a narrow gap.
constexpr DigitTable<6> makeMatrix() {
    DigitTable<6> t{};
    for (int d = 0; d < 10; ++d) {
        for (int k = 0; k < 5; ++k) t[d][k] = k % 2 == 0 ? bar(kFlags[d][k]) : space(kFlags[d][k]);
        t[d][5] = '0';
    }
    return t;
}

constexpr DigitTable<10> kIndustrial = makeIndustrial();
constexpr DigitTable<6> kMatrix = makeMatrix();

template <size_t N>
void appendDigits(Encoding& e, const DigitTable<N>& table) {
    for (char c : e.text) e.pattern.append(table[c - '0'].data(), N);
}

// Bars from the first digit of each pair, spaces from the second. A text with an odd
// number of digits gets a "0" in front, as Code 128 set C does, so that no digit is lost.
void interleaved(Encoding& e) {
    if (e.text.size() % 2 != 0) e.text.insert(0, 1, '0');
    e.pattern.reserve(e.text.size() * 5 + 7);
    e.pattern += "5050";
    for (size_t i = 0; i + 1 < e.text.size(); i += 2) {
        const std::string_view bars = kFlags[e.text[i] - '0'], spaces = kFlags[e.text[i + 1] - '0'];
        for (int k = 0; k < 5; ++k) {
            e.pattern += bar(bars[k]);
            e.pattern += space(spaces[k]);
        }
    }
    e.pattern += "605";
}

void industrial(Encoding& e) {
    e.pattern.reserve(e.text.size() * 10 + 12);
    e.pattern += "606050";
    appendDigits(e, kIndustrial);
    e.pattern += "605060";
}

void matrix(Encoding& e) {
    e.pattern.reserve(e.text.size() * 6 + 11);
    e.pattern += "705050";
    appendDigits(e, kMatrix);
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
