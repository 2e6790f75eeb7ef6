#include "barcode/barcode_error.h"

namespace lumaro::barcode {

std::string invalidTextLen(std::string_view symbology) {
    return "Invalid Text len (" + std::string(symbology) + ")";
}

std::string invalidCheckDigit(std::string_view symbology) {
    return "Invalid check digit (" + std::string(symbology) + ")";
}

std::string code93BadData(std::string_view text) {
    return std::string(kEngineClassName) + ":Code93 bad Data <" + std::string(text) + ">";
}

std::string codabarBadData(std::string_view text) {
    return std::string(kEngineClassName) + ":Codabar bad Data <" + std::string(text) + ">";
}

std::string code128BadData(std::string_view text) {
    return std::string(kEngineClassName) + ":Code128 bad Data <" + std::string(text) + ">";
}

std::string gs1BadIdentifier(std::string_view identifier) {
    return "Invalid GS1 application identifier (" + std::string(identifier) + ")";
}

std::string gs1MissingData(std::string_view identifier) {
    return "No data after the GS1 application identifier (" + std::string(identifier) + ")";
}

std::string gs1BadCharacter(std::string_view identifier) {
    return "Invalid character in the GS1 data of (" + std::string(identifier) + ")";
}

std::string gs1DataLength(std::string_view identifier, size_t digits) {
    return "The GS1 data of (" + std::string(identifier) + ") must have " + std::to_string(digits) + " digits";
}

std::string gs1InvalidCheckDigit(std::string_view identifier) {
    return "Invalid check digit in the GS1 data of (" + std::string(identifier) + ")";
}

std::string internalError() { return std::string(kEngineClassName) + ": internal Error"; }

std::string wrongBarcodeType() { return std::string(kEngineClassName) + ": wrong BarcodeType"; }

std::string wrongBarcodeTypeInCode128() {
    return std::string(kEngineClassName) + ": wrong BarcodeType in Code_128";
}

}  // namespace lumaro::barcode
