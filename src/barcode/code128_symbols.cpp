#include "barcode/code128_symbols.h"

#include "barcode/element_pattern.h"

namespace lumaro::barcode::code128 {

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
}  // namespace

int startValue(CodeSet set) { return 103 + static_cast<int>(set); }

int latchValue(CodeSet set) {
    switch (set) {
        case CodeSet::A: return kCodeA;
        case CodeSet::B: return kCodeB;
        case CodeSet::C: break;
    }
    return kCodeC;
}

bool inSet(char32_t c, CodeSet set) {
    switch (set) {
        case CodeSet::A: return c <= 95;
        case CodeSet::B: return c >= 32 && c <= 127;
        case CodeSet::C: break;
    }
    return false;
}

int charValue(char32_t c, CodeSet set) {
    return set == CodeSet::A && c < 32 ? static_cast<int>(c) + 64 : static_cast<int>(c) - 32;
}

SymbolBuilder::SymbolBuilder(int start, size_t expectedSymbols) : sum_(start) {
    digits_.reserve((expectedSymbols + 3) * 6 + 1);
    digits_ += kWidths[start];
}

void SymbolBuilder::add(int value) {
    digits_ += kWidths[value];
    sum_ = (sum_ + value * position_) % 103;
    ++position_;
}

std::string SymbolBuilder::finish() {
    digits_ += kWidths[sum_];
    digits_ += kStop;
    convertWidthDigits(digits_);
    return std::move(digits_);
}

}  // namespace lumaro::barcode::code128
