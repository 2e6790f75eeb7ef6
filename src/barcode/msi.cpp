// MSI: each digit as four bits, most significant first, with a modulo 10 check digit.
#include <array>

#include "barcode/check_digit.h"
#include "barcode/encoding.h"

namespace lumaro::barcode {

namespace {
// A 0 bit is a narrow bar and a wide space, a 1 bit a wide bar and a narrow space.
constexpr std::array<std::array<char, 8>, 10> makeDigits() {
    std::array<std::array<char, 8>, 10> t{};
    for (int d = 0; d < 10; ++d)
        for (int bit = 0; bit < 4; ++bit) {
            const bool one = (d >> (3 - bit)) & 1;
            t[d][2 * bit] = one ? '6' : '5';
            t[d][2 * bit + 1] = one ? '0' : '1';
        }
    return t;
}
constexpr auto kDigits = makeDigits();

void appendDigit(std::string& pattern, int digit) { pattern.append(kDigits[digit].data(), 8); }
}  // namespace

void encodeMsi(Encoding& e) {
    e.pattern.reserve(e.pattern.size() + (e.text.size() + 1) * 8 + 5);
    e.pattern += "60";
    for (char c : e.text) appendDigit(e.pattern, c - '0');
    appendDigit(e.pattern, msiCheckDigit(e.text));
    e.pattern += "515";
}

}  // namespace lumaro::barcode
