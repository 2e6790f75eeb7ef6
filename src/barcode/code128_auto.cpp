// Code 128 and GS1-128 that choose their code sets themselves: the shortest symbol for the
// text, switching between sets A, B and C inside it.
#include "barcode/barcode_error.h"
#include "barcode/code128_sets.h"
#include "barcode/code128_symbols.h"
#include "barcode/encoding.h"
#include "barcode/gs1_text.h"

namespace lumaro::barcode {

void encodeCode128Auto(Encoding& e) {
    std::vector<int> items;
    if (e.type == bcCodeEAN128)
        items = gs1Items(e.text, e.checksum, e.checkSumMethod);
    else if (e.type == bcCode128)
        items = code128Items(e.text);
    else
        throw EBarcodeError(wrongBarcodeTypeInCode128());
    const std::vector<int> values = code128::shortestValues(items);
    code128::SymbolBuilder s(values[0], values.size());
    for (size_t i = 1; i < values.size(); ++i) s.add(values[i]);
    e.pattern += s.finish();
}

}  // namespace lumaro::barcode
