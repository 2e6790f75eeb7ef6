// USPS PostNet: five full or half bars per digit between two frame bars.
#include <string_view>

#include "barcode/check_digit.h"
#include "barcode/encoding.h"

namespace lumaro::barcode {

namespace {
constexpr std::string_view kDigits[10] = {
    "5151A1A1A1", "A1A1A15151", "A1A151A151", "A1A15151A1", "A151A1A151",
    "A151A151A1", "A15151A1A1", "51A1A1A151", "51A1A151A1", "51A151A1A1",
};
}  // namespace

// The text carries the check digit unless `Checksum` asks for it to be added.
void encodePostNet(Encoding& e) {
    e.pattern.reserve(e.pattern.size() + (e.text.size() + 1) * 10 + 3);
    e.pattern += "51";
    for (char c : e.text) e.pattern += kDigits[c - '0'];
    if (e.checksum) e.pattern += kDigits[postNetCheckDigit(e.text)];
    e.pattern += '5';
}

}  // namespace lumaro::barcode
