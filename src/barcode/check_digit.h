#pragma once
// Check digits shared by several symbologies.
#include <string>
#include <string_view>

#include "barcode/barcode_type.h"

namespace lumaro::barcode {

// Modulo 10 with weights 3, 1, 3, ... from the rightmost digit: (10 - sum mod 10) mod 10.
// This is the check digit of EAN, UPC, SSCC and GTIN numbers. A character that is not a
// digit raises EConvertError "'x' is not a valid integer value".
int modulo10CheckDigit(std::string_view digits);

// `digits` followed by its modulo 10 check digit; unchanged with csmNone.
std::string appendCheckDigit(std::string_view digits, TfrxCheckSumMethod method);

// Check digit of a UPC-E number: number system `numberSystem` (0 or 1) and six digits. It is
// the check digit of the UPC-A number that the six digits stand for.
int upcECheckDigit(int numberSystem, std::string_view sixDigits);

// EAN/UPC supplements: weights 3, 9, 3, ... from the rightmost digit, sum mod 10.
int supplementCheckDigit(std::string_view digits);

// MSI modulo 10: the digits at odd positions counted from the right (the rightmost is the
// first) are read as one number and doubled; the digit sum of the product and the remaining
// digits are added; the check digit brings the total to a multiple of 10.
int msiCheckDigit(std::string_view digits);

// USPS PostNet: brings the sum of all digits to a multiple of 10.
int postNetCheckDigit(std::string_view digits);

inline bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool allDigits(std::string_view s);

}  // namespace lumaro::barcode
