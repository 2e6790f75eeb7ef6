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
// "TfrxBarcode:Code128 bad Data <text>": a character outside ASCII in an automatic Code 128.
std::string code128BadData(std::string_view text);
// GS1 texts with application identifiers in parentheses (see gs1_text.h):
// "Invalid GS1 application identifier (0a)"
std::string gs1BadIdentifier(std::string_view identifier);
// "No data after the GS1 application identifier (10)"
std::string gs1MissingData(std::string_view identifier);
// "Invalid character in the GS1 data of (10)"
std::string gs1BadCharacter(std::string_view identifier);
// "The GS1 data of (00) must have 18 digits"
std::string gs1DataLength(std::string_view identifier, size_t digits);
// "Invalid check digit in the GS1 data of (00)"
std::string gs1InvalidCheckDigit(std::string_view identifier);
// "TfrxBarcode: internal Error"
std::string internalError();
// "TfrxBarcode: wrong BarcodeType"
std::string wrongBarcodeType();
// "TfrxBarcode: wrong BarcodeType in Code_128"
std::string wrongBarcodeTypeInCode128();

}  // namespace barcode
}  // namespace lumaro
