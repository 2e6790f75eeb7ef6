// MSI: each digit as four bits, most significant first, with a modulo 10 check digit.
#include "barcode/check_digit.h"
#include "barcode/encoding.h"

namespace lumaro::barcode {

namespace {
void appendDigit(std::string& pattern, int digit) {
    for (int bit = 3; bit >= 0; --bit) pattern += (digit >> bit) & 1 ? "60" : "51";
}
}  // namespace

void encodeMsi(Encoding& e) {
    e.pattern.reserve(e.pattern.size() + (e.text.size() + 1) * 8 + 5);
    e.pattern += "60";
    for (char c : e.text) appendDigit(e.pattern, c - '0');
    appendDigit(e.pattern, msiCheckDigit(e.text));
    e.pattern += "515";
}

}  // namespace lumaro::barcode
