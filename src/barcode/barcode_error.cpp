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

std::string internalError() { return std::string(kEngineClassName) + ": internal Error"; }

std::string wrongBarcodeType() { return std::string(kEngineClassName) + ": wrong BarcodeType"; }

std::string wrongBarcodeTypeInCode128() {
    return std::string(kEngineClassName) + ": wrong BarcodeType in Code_128";
}

}  // namespace lumaro::barcode
