#include "barcode/element_pattern.h"

#include "barcode/barcode_error.h"

namespace lumaro::barcode {

namespace {
constexpr std::array<Element, 256> makeElementTable() {
    std::array<Element, 256> t{};
    for (auto& e : t) e = {ElementKind::Invalid, 0};
    for (uint8_t i = 0; i < 4; ++i) {
        t[static_cast<unsigned char>('0' + i)] = {ElementKind::Space, i};
        t[static_cast<unsigned char>('5' + i)] = {ElementKind::Bar, i};
        t[static_cast<unsigned char>('A' + i)] = {ElementKind::ShortBar, i};
    }
    return t;
}
constexpr std::array<Element, 256> kElements = makeElementTable();
}  // namespace

Element elementOf(char c) { return kElements[static_cast<unsigned char>(c)]; }

void convertWidthDigits(std::string& s) {
    for (size_t i = 0; i < s.size(); ++i) s[i] = static_cast<char>(i % 2 == 0 ? s[i] + 4 : s[i] - 1);
}

int64_t patternWidth(std::string_view pattern, const std::array<int, 4>& widths) {
    int64_t sum = 0;
    for (char c : pattern) {
        const Element e = elementOf(c);
        if (e.kind == ElementKind::Invalid) throw EBarcodeError(internalError());
        sum += widths[e.widthIndex];
    }
    return sum;
}

}  // namespace lumaro::barcode
