#include "barcode/check_digit.h"

#include <cstdint>

#include "core/error.h"
#include "core/text.h"

namespace lumaro::barcode {

namespace {
int digitValue(std::string_view s, size_t i) {
    if (!isDigit(s[i])) {
        // The character as the user sees it: the whole UTF-8 sequence it starts.
        size_t end = i + 1;
        while (end < s.size() && (static_cast<unsigned char>(s[end]) & 0xC0) == 0x80) ++end;
        throw EConvertError("'" + std::string(s.substr(i, end - i)) + "' is not a valid integer value");
    }
    return s[i] - '0';
}
}  // namespace

bool allDigits(std::string_view s) {
    for (char c : s)
        if (!isDigit(c)) return false;
    return true;
}

int modulo10CheckDigit(std::string_view digits) {
    int64_t sum = 0;
    int weight = 3;
    for (size_t i = digits.size(); i-- > 0;) {
        sum += digitValue(digits, i) * weight;
        weight = 4 - weight;
    }
    return static_cast<int>((10 - sum % 10) % 10);
}

std::string appendCheckDigit(std::string_view digits, TfrxCheckSumMethod method) {
    std::string out(digits);
    if (method == csmModulo10) out += static_cast<char>('0' + modulo10CheckDigit(digits));
    return out;
}

int upcECheckDigit(int numberSystem, std::string_view d) {
    // Zero suppression: the sixth digit tells where the zeros of the manufacturer and
    // product numbers were removed.
    std::string upcA(1, static_cast<char>('0' + numberSystem));
    switch (d[5]) {
        case '0': case '1': case '2':
            upcA += std::string{d[0], d[1], d[5]} + "0000" + std::string{d[2], d[3], d[4]};
            break;
        case '3':
            upcA += std::string{d[0], d[1], d[2]} + "00000" + std::string{d[3], d[4]};
            break;
        case '4':
            upcA += std::string{d[0], d[1], d[2], d[3]} + "00000" + d[4];
            break;
        default:
            upcA += std::string(d.substr(0, 5)) + "0000" + d[5];
            break;
    }
    return modulo10CheckDigit(upcA);
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
