// EAN-13, EAN-8, UPC-A, UPC-E and the two- and five-digit supplements.
#include <string_view>

#include "barcode/barcode_error.h"
#include "barcode/check_digit.h"
#include "barcode/encoding.h"

namespace lumaro::barcode {

namespace {
// The digit codes of the EAN/UPC standard, seven modules each.
constexpr std::string_view kLCode[10] = {"2605", "1615", "1516", "0805", "0526",
                                         "0625", "0508", "0706", "0607", "2506"};  // odd parity
constexpr std::string_view kGCode[10] = {"0517", "0616", "1606", "0535", "1705",
                                         "0715", "3505", "1525", "2515", "1507"};  // even parity
constexpr std::string_view kRCode[10] = {"7150", "6160", "6061", "5350", "5071",
                                         "5170", "5053", "5251", "5152", "7051"};  // right half

// Left-half parities of EAN-13 by the first digit: A is the L code, B the G code.
constexpr std::string_view kEan13Parity[10] = {"AAAAAA", "AABABB", "AABBAB", "AABBBA", "ABAABB",
                                               "ABBAAB", "ABBBAA", "ABABAB", "ABABBA", "ABBABA"};
// UPC-E parities by the check digit for number system 0: E is the G code, o the L code.
constexpr std::string_view kUpcEParity[10] = {"EEEooo", "EEoEoo", "EEooEo", "EEoooE", "EoEEoo",
                                              "EooEEo", "EoooEE", "EoEoEo", "EoEooE", "EooEoE"};
constexpr std::string_view kSupp2Parity[4] = {"oo", "oE", "Eo", "EE"};

int digitAt(const std::string& s, size_t i) { return s[i] - '0'; }

void padLeft(std::string& s, size_t n) {
    if (s.size() < n) s.insert(0, n - s.size(), '0');
}

const char* nameOf(TfrxBarcodeType type) { return symbologyInfo(type)->displayName; }

// Brings `Text` to a complete number of `length` digits whose last digit is the check digit
// `check` computes from the others:
// - without `Checksum` the text is the number, padded with leading zeros;
// - with `Checksum` a shorter text is padded to the data length and gets its check digit, and
//   a text of full length keeps its last digit, which must then be the right one, so that a
//   mistyped number stops the print instead of giving a code that no reader accepts.
// Longer texts are rejected rather than cut.
template <class CheckFn>
void completeNumber(Encoding& e, size_t length, CheckFn check) {
    std::string& t = e.text;
    if (t.size() > length) throw EBarcodeError(invalidTextLen(nameOf(e.type)));
    if (!e.checksum) {
        padLeft(t, length);
        return;
    }
    if (t.size() == length) {
        if (e.checkSumMethod == csmModulo10 && digitAt(t, length - 1) != check(std::string_view(t).substr(0, length - 1)))
            throw EBarcodeError(invalidCheckDigit(nameOf(e.type)));
        return;
    }
    padLeft(t, length - 1);
    if (e.checkSumMethod == csmModulo10) t += static_cast<char>('0' + check(t));
    if (t.size() != length) throw EBarcodeError(invalidTextLen(nameOf(e.type)));
}

// EAN-13, EAN-8 and UPC-A: guard, left half, centre guard, right half in R code, guard.
void appendTwoHalves(Encoding& e, size_t from, size_t split, std::string_view leftParity) {
    e.pattern.reserve(e.pattern.size() + 13 + (e.text.size() - from) * 4);
    e.pattern += "505";
    for (size_t i = from; i < split; ++i) {
        const int d = digitAt(e.text, i);
        e.pattern += leftParity[i - from] == 'A' ? kLCode[d] : kGCode[d];
    }
    e.pattern += "05050";
    for (size_t i = split; i < e.text.size(); ++i) e.pattern += kRCode[digitAt(e.text, i)];
    e.pattern += "505";
}

// Supplement digits by a parity row of E (G code) and o (L code), separated by "05".
void appendSupplement(Encoding& e, size_t count, std::string_view parity) {
    e.pattern += "506";
    for (size_t i = 0; i < count; ++i) {
        if (i > 0) e.pattern += "05";
        const int d = digitAt(e.text, i);
        e.pattern += parity[i] == 'E' ? kGCode[d] : kLCode[d];
    }
}
}  // namespace

void encodeEan13(Encoding& e) {
    completeNumber(e, 13, modulo10CheckDigit);
    appendTwoHalves(e, 1, 7, kEan13Parity[digitAt(e.text, 0)]);
}

void encodeEan8(Encoding& e) {
    completeNumber(e, 8, modulo10CheckDigit);
    appendTwoHalves(e, 0, 4, "AAAA");
}

void encodeUpcA(Encoding& e) {
    completeNumber(e, 12, modulo10CheckDigit);
    appendTwoHalves(e, 0, 6, "AAAAAA");
}

// `Text` is the six digits and the check digit; the number system (0 or 1) is the type's.
// The check digit is not drawn as bars: it selects the parities of the six digits.
void encodeUpcE(Encoding& e) {
    const int numberSystem = e.type == bcCodeUPC_E1 ? 1 : 0;
    const auto check = [numberSystem](std::string_view six) { return upcECheckDigit(numberSystem, six); };
    completeNumber(e, 7, check);
    // With csmNone the text carries its own check digit.
    const int checkDigit = e.checkSumMethod == csmModulo10 ? check(std::string_view(e.text).substr(0, 6))
                                                           : digitAt(e.text, 6);
    const std::string_view parity = kUpcEParity[checkDigit];
    e.pattern += "505";
    for (size_t i = 0; i < 6; ++i) {
        const int d = digitAt(e.text, i);
        const bool even = (parity[i] == 'E') != (numberSystem == 1);
        e.pattern += even ? kGCode[d] : kLCode[d];
    }
    e.pattern += "050505";
}

void encodeUpcSupp5(Encoding& e) {
    if (e.text.size() > 5) throw EBarcodeError(invalidTextLen(nameOf(e.type)));
    padLeft(e.text, 5);
    const int check = supplementCheckDigit(e.text);
    appendSupplement(e, 5, kUpcEParity[check].substr(1));
    if (e.checksum) e.text += static_cast<char>('0' + check);
}

void encodeUpcSupp2(Encoding& e) {
    if (e.text.size() > 2) throw EBarcodeError(invalidTextLen(nameOf(e.type)));
    padLeft(e.text, 2);
    appendSupplement(e, 2, kSupp2Parity[(digitAt(e.text, 0) * 10 + digitAt(e.text, 1)) % 4]);
    if (e.checksum) e.text += static_cast<char>('0' + supplementCheckDigit(e.text));
}

}  // namespace lumaro::barcode
