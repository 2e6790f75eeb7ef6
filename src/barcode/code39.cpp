// Code 39 and its full ASCII form.
#include <array>
#include <cstdint>
#include <string_view>

#include "barcode/encoding.h"
#include "barcode/full_ascii.h"

namespace lumaro::barcode {

namespace {
struct Code39Char {
    char c;
    std::string_view pattern;  // nine elements, three of them wide
    int checkValue;
};

constexpr Code39Char kCode39[] = {
    {'0', "505160605", 0},  {'1', "605150506", 1},  {'2', "506150506", 2},  {'3', "606150505", 3},
    {'4', "505160506", 4},  {'5', "605160505", 5},  {'6', "506160505", 6},  {'7', "505150606", 7},
    {'8', "605150605", 8},  {'9', "506150605", 9},  {'A', "605051506", 10}, {'B', "506051506", 11},
    {'C', "606051505", 12}, {'D', "505061506", 13}, {'E', "605061505", 14}, {'F', "506061505", 15},
    {'G', "505051606", 16}, {'H', "605051605", 17}, {'I', "506051605", 18}, {'J', "505061605", 19},
    {'K', "605050516", 20}, {'L', "506050516", 21}, {'M', "606050515", 22}, {'N', "505060516", 23},
    {'O', "605060515", 24}, {'P', "506060515", 25}, {'Q', "505050616", 26}, {'R', "605050615", 27},
    {'S', "506050615", 28}, {'T', "505060615", 29}, {'U', "615050506", 30}, {'V', "516050506", 31},
    {'W', "616050505", 32}, {'X', "515060506", 33}, {'Y', "615060505", 34}, {'Z', "516060505", 35},
    {'-', "515050606", 36}, {'.', "615050605", 37}, {' ', "516050605", 38}, {'*', "515060605", 0},
    {'$', "515151505", 39}, {'/', "515150515", 40}, {'+', "515051515", 41}, {'%', "505151515", 42},
};
constexpr int kStartStop = 39;  // "*"

constexpr std::array<int8_t, 128> makeIndex() {
    std::array<int8_t, 128> t{};
    for (auto& i : t) i = -1;
    for (int i = 0; i < static_cast<int>(std::size(kCode39)); ++i) t[static_cast<unsigned char>(kCode39[i].c)] = static_cast<int8_t>(i);
    return t;
}
constexpr std::array<int8_t, 128> kIndex = makeIndex();

// Entry of a data character, or -1. "*" marks start and stop: inside the data it would end
// the symbol for a reader, so it counts as outside the set like any other character.
int dataIndex(char ch) {
    const auto c = static_cast<unsigned char>(ch);
    if (c >= 128 || c == '*') return -1;
    return kIndex[c];
}

void appendChar(std::string& pattern, int index) {
    pattern += kCode39[index].pattern;
    pattern += '0';
}

void encode(std::string_view text, bool checksum, std::string& pattern) {
    pattern.reserve(pattern.size() + (text.size() + 3) * 10);
    appendChar(pattern, kStartStop);
    int sum = 0;
    for (char c : text) {
        const int i = dataIndex(c);
        if (i < 0) continue;  // outside the set: neither encoded nor counted
        appendChar(pattern, i);
        sum = (sum + kCode39[i].checkValue) % 43;
    }
    if (checksum) {
        for (int i = 0; i < static_cast<int>(std::size(kCode39)); ++i)
            if (kCode39[i].checkValue == sum) {
                appendChar(pattern, i);
                break;
            }
    }
    pattern += kCode39[kStartStop].pattern;
}
}  // namespace

void encodeCode39(Encoding& e) { encode(e.text, e.checksum, e.pattern); }

void encodeCode39Extended(Encoding& e) { encode(toFullAscii(e.text, "$%/+"), e.checksum, e.pattern); }

}  // namespace lumaro::barcode
