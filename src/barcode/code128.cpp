// Code 128 with one code set for the whole symbol, and its GS1 form (FNC1 after the start).
#include <cstdint>
#include <string_view>

#include "barcode/barcode_error.h"
#include "barcode/check_digit.h"
#include "barcode/element_pattern.h"
#include "barcode/encoding.h"
#include "core/text.h"

namespace lumaro::barcode {

namespace {
// Width digits of the symbol values 0 to 105 (bar, space, ... six elements, 11 modules).
constexpr std::string_view kWidths[106] = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212", "221213",
    "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221", "223211", "221132",
    "221231", "213212", "223112", "312131", "311222", "321122", "321221", "312212", "322112", "322211",
    "212123", "212321", "232121", "111323", "131123", "131321", "112313", "132113", "132311", "211313",
    "231113", "231311", "112133", "112331", "132131", "113123", "113321", "133121", "313121", "211331",
    "231131", "213113", "213311", "213131", "311123", "311321", "331121", "312113", "312311", "332111",
    "314111", "221411", "431111", "111224", "111422", "121124", "121421", "141122", "141221", "112214",
    "112412", "122114", "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111",
    "111242", "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311", "113141",
    "114131", "311141", "411131", "211412", "211214", "211232",
};
constexpr std::string_view kStop = "2331112";
constexpr int kFnc1 = 102;

enum class CodeSet { A, B, C };

struct Variant {
    TfrxBarcodeType type;
    CodeSet set;
    int start;  // start symbol value
    bool gs1;
};
constexpr Variant kVariants[] = {
    {bcCode128A, CodeSet::A, 103, false},   {bcCode128B, CodeSet::B, 104, false},
    {bcCode128C, CodeSet::C, 105, false},   {bcCodeEAN128A, CodeSet::A, 103, true},
    {bcCodeEAN128B, CodeSet::B, 104, true}, {bcCodeEAN128C, CodeSet::C, 105, true},
};

const Variant& variantOf(TfrxBarcodeType type) {
    for (const Variant& v : kVariants)
        if (v.type == type) return v;
    throw EBarcodeError(wrongBarcodeTypeInCode128());
}

// Set A holds the characters 32 to 95, set B 32 to 126, as values 0 upwards. A character
// outside the set is encoded as the space (value 0).
int charValue(char32_t c, CodeSet set) {
    const char32_t last = set == CodeSet::A ? 95 : 126;
    return c >= 32 && c <= last ? static_cast<int>(c - 32) : 0;
}

// Set C holds the digit pairs "00" to "99" as values 0 to 99. Any other pair is encoded as
// "00"; the values 100 to 102 are code set switches and function characters, never data.
int pairValue(char a, char b) { return isDigit(a) && isDigit(b) ? (a - '0') * 10 + (b - '0') : 0; }

struct Symbol {
    std::string digits;
    int64_t sum;
    int64_t position = 1;

    void add(int value) {
        digits += kWidths[value];
        sum = (sum + value * position) % 103;
        ++position;
    }
};
}  // namespace

void encodeCode128(Encoding& e) {
    const Variant& v = variantOf(e.type);
    Symbol s{{}, v.start};
    s.digits.reserve((e.text.size() + 5) * 6 + 1);
    s.digits += kWidths[v.start];
    if (v.gs1) {
        s.add(kFnc1);
        if (e.checksum) e.text = appendCheckDigit(e.text, e.checkSumMethod);
    }
    if (v.set == CodeSet::C) {
        if (e.text.size() % 2 != 0) e.text.insert(0, 1, '0');
        for (size_t i = 0; i < e.text.size(); i += 2) s.add(pairValue(e.text[i], e.text[i + 1]));
    } else {
        for (char32_t c : toU32(e.text)) s.add(charValue(c, v.set));
    }
    s.digits += kWidths[s.sum];
    s.digits += kStop;
    convertWidthDigits(s.digits);
    e.pattern += s.digits;
}

}  // namespace lumaro::barcode
