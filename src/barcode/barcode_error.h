#pragma once
// Failures of the barcode engine. Their messages are plain English and never translated.
#include <string>
#include <string_view>

#include "core/error.h"

namespace lumaro {

LUMARO_EXCEPTION_CLASS(EBarcodeError, Exception)

namespace barcode {

// Class name that some messages start with.
inline constexpr const char* kEngineClassName = "TfrxBarcode";

inline constexpr const char* kNotNumeric = "Barcode must be numeric";

// "Invalid Text len (EAN13)": the completed text of a fixed-length symbology has the wrong length.
std::string invalidTextLen(std::string_view symbology);
// "Invalid check digit (EAN13)": a complete number whose last digit is not its check digit.
std::string invalidCheckDigit(std::string_view symbology);
// "TfrxBarcode:Code93 bad Data <text>"
std::string code93BadData(std::string_view text);
// "TfrxBarcode:Codabar bad Data <text>"
std::string codabarBadData(std::string_view text);
// "TfrxBarcode: internal Error"
std::string internalError();
// "TfrxBarcode: wrong BarcodeType"
std::string wrongBarcodeType();
// "TfrxBarcode: wrong BarcodeType in Code_128"
std::string wrongBarcodeTypeInCode128();

}  // namespace barcode
}  // namespace lumaro
