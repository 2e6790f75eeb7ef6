#pragma once
// The symbologies of the barcode engine in their fixed order (the ordinal indexes the
// symbology table; templates store the enumeration name), and what the engine knows about
// each. The first 23 are the classic set; the Code 128 types that choose their code sets
// themselves follow them, so that every earlier ordinal keeps its meaning.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumaro {

enum TfrxBarcodeType : int {
    bcCode_2_5_interleaved,
    bcCode_2_5_industrial,
    bcCode_2_5_matrix,
    bcCode39,
    bcCode39Extended,
    bcCode128A,
    bcCode128B,
    bcCode128C,
    bcCode93,
    bcCode93Extended,
    bcCodeMSI,
    bcCodePostNet,
    bcCodeCodabar,
    bcCodeEAN8,
    bcCodeEAN13,
    bcCodeUPC_A,
    bcCodeUPC_E0,
    bcCodeUPC_E1,
    bcCodeUPC_Supp2,
    bcCodeUPC_Supp5,
    bcCodeEAN128A,
    bcCodeEAN128B,
    bcCodeEAN128C,
    bcCode128,     // Code 128 switching between sets A, B and C for the shortest code
    bcCodeEAN128,  // GS1-128 likewise, FNC1 after the start (text forms: barcode/gs1_text.h)
};

inline constexpr int kBarcodeTypeCount = 25;

enum TfrxCheckSumMethod : int { csmNone, csmModulo10 };

namespace barcode {
struct Encoding;
}

// One row of the symbology table.
struct SymbologyInfo {
    const char* name;         // enumeration name, "bcCodeEAN128C"
    const char* displayName;  // shown in the type list of the barcode editor, "EAN128C"
    bool numericOnly;         // text is trimmed and must hold digits only
    // Wide-to-narrow ratio: `Ratio` is clamped to ratioMin..ratioMax for the element widths.
    // With `ratioStored` the clamped value is written back into `Ratio`; otherwise `Ratio`
    // is left alone.
    double ratioMin, ratioMax;
    bool ratioStored;
    // Symbologies built from modules of 1 to 4 units (Code 128, Code 93, EAN/UPC): their
    // element widths are 1, 2, 3 and 4 modules whatever the ratio, or no reader could scan them.
    bool moduleWidths;
    // Short text band (7 units instead of 16) with the digits set between the guard bars.
    bool eanTextLayout;
    void (*encode)(barcode::Encoding&);
};

// Row of `type`; nullptr for an ordinal outside the table.
const SymbologyInfo* symbologyInfo(TfrxBarcodeType type);

// The enumeration names in ordinal order, for the property registry and the scripts.
std::vector<std::string> barcodeTypeNames();

// Type named by its enumeration name or its display name, letter case ignored.
std::optional<TfrxBarcodeType> barcodeTypeFromName(std::string_view name);

}  // namespace lumaro
