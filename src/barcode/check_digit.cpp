#include "barcode/check_digit.h"

#include <algorithm>
#include <cstdint>

#include "core/error.h"
#include "core/text.h"

namespace lumaro::barcode {

namespace {
// Bytes of the character starting at s[i]: a whole UTF-8 sequence, or one stray byte.
size_t charLength(std::string_view s, size_t i) {
    const auto lead = static_cast<unsigned char>(s[i]);
    const size_t n = lead >= 0xC2 && lead <= 0xDF ? 2 : lead >= 0xE0 && lead <= 0xEF ? 3 : lead >= 0xF0 && lead <= 0xF4 ? 4 : 1;
    return i + n <= s.size() && isValidUtf8(s.substr(i, n)) ? n : 1;
}

int digitValue(std::string_view s, size_t i) {
    if (!isDigit(s[i]))
        throw EConvertError("'" + std::string(s.substr(i, charLength(s, i))) + "' is not a valid integer value");
    return s[i] - '0';
}
}  // namespace

bool allDigits(std::string_view s) {
    for (char c : s)
        if (!isDigit(c)) return false;
    return true;
}

int modulo10CheckDigit(std::string_view digits) {
    // Left to right, so that an error names the first character that is not a digit.
    int64_t sum = 0;
    for (size_t i = 0; i < digits.size(); ++i) sum += digitValue(digits, i) * ((digits.size() - i) % 2 == 1 ? 3 : 1);
    return static_cast<int>((10 - sum % 10) % 10);
}

std::string appendCheckDigit(std::string_view digits, TfrxCheckSumMethod method) {
    std::string out(digits);
    if (method == csmModulo10) out += static_cast<char>('0' + modulo10CheckDigit(digits));
    return out;
}

int upcECheckDigit(int numberSystem, std::string_view d) {
    // Zero suppression: the sixth digit tells where the zeros of the manufacturer and
    // product numbers were removed. The UPC-A number is the number system, five digits of
    // manufacturer number and five of product number.
    char upcA[11];
    std::fill(upcA, upcA + 11, '0');
    upcA[0] = static_cast<char>('0' + numberSystem);
    const auto put = [&](int at, std::string_view digits) { std::copy(digits.begin(), digits.end(), upcA + at); };
    switch (d[5]) {
        case '0': case '1': case '2':
            put(1, d.substr(0, 2)), put(3, d.substr(5, 1)), put(8, d.substr(2, 3));
            break;
        case '3':
            put(1, d.substr(0, 3)), put(9, d.substr(3, 2));
            break;
        case '4':
            put(1, d.substr(0, 4)), put(10, d.substr(4, 1));
            break;
        default:
            put(1, d.substr(0, 5)), put(10, d.substr(5, 1));
            break;
    }
    return modulo10CheckDigit(std::string_view(upcA, 11));
}

int supplementCheckDigit(std::string_view digits) {
    int64_t sum = 0;
    int weight = 3;
    for (size_t i = digits.size(); i-- > 0;) {
        sum += (digits[i] - '0') * weight;
        weight = 12 - weight;
    }
    return static_cast<int>(sum % 10);
}

int msiCheckDigit(std::string_view digits) {
    // Doubling a number adds the digit sums of its doubled digits (a carry out of one digit
    // lowers the digit sum by exactly 9), so the doubled number is never formed and any
    // length works.
    static constexpr int kDoubledDigitSum[10] = {0, 2, 4, 6, 8, 1, 3, 5, 7, 9};
    int64_t sum = 0;
    bool doubled = true;
    for (size_t i = digits.size(); i-- > 0;) {
        const int d = digits[i] - '0';
        sum += doubled ? kDoubledDigitSum[d] : d;
        doubled = !doubled;
    }
    return static_cast<int>((10 - sum % 10) % 10);
}

int postNetCheckDigit(std::string_view digits) {
    int64_t sum = 0;
    for (char c : digits) sum += c - '0';
    return static_cast<int>((10 - sum % 10) % 10);
}

}  // namespace lumaro::barcode
