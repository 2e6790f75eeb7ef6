// Codabar with the start character A and the stop character B.
#include <string_view>

#include "barcode/barcode_error.h"
#include "barcode/encoding.h"

namespace lumaro::barcode {

namespace {
struct CodabarChar {
    char c;
    std::string_view pattern;  // seven elements: bar, space, ..., bar
};
constexpr CodabarChar kCodabar[] = {
    {'1', "5050615"}, {'2', "5051506"}, {'3', "6150505"}, {'4', "5060515"}, {'5', "6050515"},
    {'6', "5150506"}, {'7', "5150605"}, {'8', "5160505"}, {'9', "6051505"}, {'0', "5050516"},
    {'-', "5051605"}, {'$', "5061505"}, {':', "6050606"}, {'/', "6060506"}, {'.', "6060605"},
    {'+', "5060606"}, {'A', "5061515"}, {'B', "5151506"}, {'C', "5051516"}, {'D', "5051615"},
};
// Data characters are the first 16; A to D only start and stop a symbol, so inside the data
// they would cut it short for a reader.
constexpr int kDataChars = 16;
constexpr int kStart = 16;  // A
constexpr int kStop = 17;   // B

int dataIndex(char c) {
    for (int i = 0; i < kDataChars; ++i)
        if (kCodabar[i].c == c) return i;
    return -1;
}
}  // namespace

void encodeCodabar(Encoding& e) {
    e.pattern.reserve(e.pattern.size() + (e.text.size() + 2) * 8);
    e.pattern += kCodabar[kStart].pattern;
    e.pattern += '0';
    for (char c : e.text) {
        const int i = dataIndex(c);
        if (i < 0) throw EBarcodeError(codabarBadData(e.text));
        e.pattern += kCodabar[i].pattern;
        e.pattern += '0';
    }
    e.pattern += kCodabar[kStop].pattern;
}

}  // namespace lumaro::barcode
