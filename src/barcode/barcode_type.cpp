#include "barcode/barcode_type.h"

#include "barcode/encoding.h"
#include "core/text.h"

namespace lumaro {

namespace {
using namespace barcode;

constexpr double kNoMin = 0, kNoMax = 0;

// Indexed by the ordinal of TfrxBarcodeType. MSI and PostNet have no stored clamp, but their
// widths still come from a ratio the code can carry: at least 2 for MSI's wide elements
// (wide must differ from narrow) and at least 1 for PostNet's spaces.
constexpr SymbologyInfo kSymbologies[kBarcodeTypeCount] = {
    // name                     display name       numeric ratio clamp  stored  modules ean  encoder
    {"bcCode_2_5_interleaved", "2_5_interleaved", true, 2.0, 3.0, true, false, false, encodeTwoOfFive},
    {"bcCode_2_5_industrial", "2_5_industrial", true, 2.0, 3.0, true, false, false, encodeTwoOfFive},
    {"bcCode_2_5_matrix", "2_5_matrix", true, 2.25, 3.0, true, false, false, encodeTwoOfFive},
    {"bcCode39", "Code39", false, 2.0, 3.0, true, false, false, encodeCode39},
    {"bcCode39Extended", "Code39 Extended", false, 2.0, 3.0, true, false, false, encodeCode39Extended},
    {"bcCode128A", "Code128A", false, kNoMin, kNoMax, false, true, false, encodeCode128},
    {"bcCode128B", "Code128B", false, kNoMin, kNoMax, false, true, false, encodeCode128},
    {"bcCode128C", "Code128C", false, kNoMin, kNoMax, false, true, false, encodeCode128},
    {"bcCode93", "Code93", false, kNoMin, kNoMax, false, true, false, encodeCode93},
    {"bcCode93Extended", "Code93 Extended", false, kNoMin, kNoMax, false, true, false, encodeCode93Extended},
    {"bcCodeMSI", "MSI", true, 2.0, 3.0, false, false, false, encodeMsi},
    {"bcCodePostNet", "PostNet", true, 1.0, 3.0, false, false, false, encodePostNet},
    {"bcCodeCodabar", "Codebar", false, 2.0, 3.0, true, false, false, encodeCodabar},
    {"bcCodeEAN8", "EAN8", true, 2.0, 3.0, true, true, true, encodeEan8},
    {"bcCodeEAN13", "EAN13", true, 2.0, 3.0, true, true, true, encodeEan13},
    {"bcCodeUPC_A", "UPC_A", true, 2.0, 3.0, true, true, true, encodeUpcA},
    {"bcCodeUPC_E0", "UPC_E0", true, 2.0, 3.0, true, true, true, encodeUpcE},
    {"bcCodeUPC_E1", "UPC_E1", true, 2.0, 3.0, true, true, true, encodeUpcE},
    {"bcCodeUPC_Supp2", "UPC Supp2", true, 2.0, 3.0, true, true, false, encodeUpcSupp2},
    {"bcCodeUPC_Supp5", "UPC Supp5", true, 2.0, 3.0, true, true, false, encodeUpcSupp5},
    {"bcCodeEAN128A", "EAN128A", false, kNoMin, kNoMax, false, true, false, encodeCode128},
    {"bcCodeEAN128B", "EAN128B", false, kNoMin, kNoMax, false, true, false, encodeCode128},
    {"bcCodeEAN128C", "EAN128C", true, kNoMin, kNoMax, false, true, false, encodeCode128},
    {"bcCode128", "Code128", false, kNoMin, kNoMax, false, true, false, encodeCode128Auto},
    {"bcCodeEAN128", "EAN128", false, kNoMin, kNoMax, false, true, false, encodeCode128Auto},
};
}  // namespace

const SymbologyInfo* symbologyInfo(TfrxBarcodeType type) {
    const int i = static_cast<int>(type);
    return i >= 0 && i < kBarcodeTypeCount ? &kSymbologies[i] : nullptr;
}

std::vector<std::string> barcodeTypeNames() {
    std::vector<std::string> names;
    for (const SymbologyInfo& s : kSymbologies) names.emplace_back(s.name);
    return names;
}

std::optional<TfrxBarcodeType> barcodeTypeFromName(std::string_view name) {
    for (int i = 0; i < kBarcodeTypeCount; ++i)
        if (sameText(name, kSymbologies[i].name) || sameText(name, kSymbologies[i].displayName))
            return static_cast<TfrxBarcodeType>(i);
    return std::nullopt;
}

}  // namespace lumaro
