#pragma once
// The data of GS1-128 and Code 128 texts as the items the code set choice works on.
//
// A GS1-128 (bcCodeEAN128) text is written in one of two forms:
// - With its application identifiers in parentheses, as the human-readable line under a GS1
//   code shows them: "(00)106141411234567897(10)LOT7". The parentheses are not encoded; FNC1
//   separates an element string from the next one unless its identifier has a predefined
//   length (00 to 04, 11 to 20, 31 to 36, 41). The data of those identifiers must have their
//   length in digits, and every data character must belong to the GS1 character set (letters,
//   digits and !"%&'()*+,-./:;<=>?_, no blank); a "(" always starts the next identifier.
//   With `Checksum`, the data of an identifier that ends in a check digit (00, 01, 02, 410 to
//   417, 8017, 8018) gets it appended when it is one digit short, and must carry the right one
//   when it is complete; the text shows the digit added.
// - Any other text is the data as it stands, like bcCodeEAN128A/B/C take it: with `Checksum`
//   the modulo 10 check digit is appended to the whole text (right for an SSCC written "00"
//   and 17 digits), and a GS character (code 29) stands for FNC1 between element strings.
// Both forms start with FNC1, as every GS1-128 code does.
#include <string>
#include <string_view>
#include <vector>

#include "barcode/barcode_type.h"

namespace lumaro::barcode {

// Items of a GS1-128 text (see above); completes `text` where `checksum` asks. Raises
// EBarcodeError for a text that is no valid GS1 data.
std::vector<int> gs1Items(std::string& text, bool checksum, TfrxCheckSumMethod method);

// Items of a Code 128 text: its characters, which must all be ASCII (0 to 127). Raises
// "TfrxBarcode:Code128 bad Data <text>" otherwise.
std::vector<int> code128Items(std::string_view text);

}  // namespace lumaro::barcode
