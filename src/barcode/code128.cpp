// Code 128 with one code set for the whole symbol, and its GS1 form (FNC1 after the start).
#include "barcode/barcode_error.h"
#include "barcode/check_digit.h"
#include "barcode/code128_symbols.h"
#include "barcode/encoding.h"
#include "core/text.h"

namespace lumaro::barcode {

namespace {
using code128::CodeSet;

struct Variant {
    TfrxBarcodeType type;
    CodeSet set;
    bool gs1;
};
constexpr Variant kVariants[] = {
    {bcCode128A, CodeSet::A, false},   {bcCode128B, CodeSet::B, false},   {bcCode128C, CodeSet::C, false},
    {bcCodeEAN128A, CodeSet::A, true}, {bcCodeEAN128B, CodeSet::B, true}, {bcCodeEAN128C, CodeSet::C, true},
};

const Variant& variantOf(TfrxBarcodeType type) {
    for (const Variant& v : kVariants)
        if (v.type == type) return v;
    throw EBarcodeError(wrongBarcodeTypeInCode128());
}

// These types carry the printable characters only: set A 32 to 95, set B 32 to 126. Any other
// character is encoded as the space (value 0).
int printableValue(char32_t c, CodeSet set) {
    const char32_t last = set == CodeSet::A ? 95 : 126;
    return c >= 32 && c <= last ? code128::charValue(c, set) : 0;
}

// Set C holds the digit pairs "00" to "99" as values 0 to 99. Any other pair is encoded as
// "00"; the values 100 to 102 are code set switches and function characters, never data.
int pairValue(char a, char b) { return isDigit(a) && isDigit(b) ? (a - '0') * 10 + (b - '0') : 0; }
}  // namespace

void encodeCode128(Encoding& e) {
    const Variant& v = variantOf(e.type);
    code128::SymbolBuilder s(code128::startValue(v.set), e.text.size() + 1);
    if (v.gs1) {
        s.add(code128::kFnc1);
        if (e.checksum) e.text = appendCheckDigit(e.text, e.checkSumMethod);
    }
    if (v.set == CodeSet::C) {
        if (e.text.size() % 2 != 0) e.text.insert(0, 1, '0');
        for (size_t i = 0; i < e.text.size(); i += 2) s.add(pairValue(e.text[i], e.text[i + 1]));
    } else {
        for (char32_t c : toU32(e.text)) s.add(printableValue(c, v.set));
    }
    e.pattern += s.finish();
}

}  // namespace lumaro::barcode
