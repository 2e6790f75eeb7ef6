#pragma once
// Helpers shared by the barcode tests.
#include <string>

#include "barcode/barcode.h"

namespace lumaro::testing {

// Bars and spaces of a pattern one module at a time: "1" bar, "0" space, "s" short bar.
inline std::string modulesOf(std::string_view pattern, const std::array<int, 4>& widths) {
    std::string out;
    for (char c : pattern) {
        const bool space = c >= '0' && c <= '3', bar = c >= '5' && c <= '8', shortBar = c >= 'A' && c <= 'D';
        const int index = space ? c - '0' : bar ? c - '5' : shortBar ? c - 'A' : -1;
        if (index < 0) return "invalid pattern character " + std::string(1, c);
        out.append(static_cast<size_t>(widths[static_cast<size_t>(index)]), space ? '0' : bar ? '1' : 's');
    }
    return out;
}

struct Settings {
    bool checksum = false;
    TfrxCheckSumMethod method = csmModulo10;
    double ratio = 2.0;
    int modul = 1;
};

inline TfrxBarcode makeBarcode(TfrxBarcodeType type, const std::string& text, const Settings& s = {}) {
    TfrxBarcode b;
    b.SetTyp(type);
    b.SetText(text);
    b.SetChecksum(s.checksum);
    b.SetCheckSumMethod(s.method);
    b.SetRatio(s.ratio);
    b.SetModul(s.modul);
    return b;
}

}  // namespace lumaro::testing
