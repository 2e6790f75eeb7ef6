#pragma once
// Internal interface between the engine and the encoder of each symbology family.
#include <string>

#include "barcode/barcode_type.h"

namespace lumaro::barcode {

// What an encoder works on: it reads and rewrites `text` (the engine's `Text`) as its rules
// say and appends the element pattern to `pattern`.
struct Encoding {
    TfrxBarcodeType type;
    std::string& text;
    bool checksum;
    TfrxCheckSumMethod checkSumMethod;
    std::string pattern;
};

void encodeTwoOfFive(Encoding& e);  // interleaved, industrial, matrix
void encodeCode39(Encoding& e);
void encodeCode39Extended(Encoding& e);
void encodeCode128(Encoding& e);    // Code 128 A/B/C and GS1-128 (EAN128 A/B/C)
void encodeCode128Auto(Encoding& e);  // Code 128 and GS1-128 with their own choice of code sets
void encodeCode93(Encoding& e);
void encodeCode93Extended(Encoding& e);
void encodeMsi(Encoding& e);
void encodePostNet(Encoding& e);
void encodeCodabar(Encoding& e);
void encodeEan8(Encoding& e);
void encodeEan13(Encoding& e);
void encodeUpcA(Encoding& e);
void encodeUpcE(Encoding& e);       // UPC-E with number system 0 or 1
void encodeUpcSupp2(Encoding& e);
void encodeUpcSupp5(Encoding& e);

}  // namespace lumaro::barcode
