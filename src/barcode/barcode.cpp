#include "barcode/barcode.h"

#include <algorithm>
#include <limits>

#include "barcode/check_digit.h"
#include "barcode/element_pattern.h"
#include "barcode/encoding.h"
#include "core/number_text.h"
#include "core/text.h"

namespace lumaro {

void TfrxBarcode::Assign(const Object* source) {
    const auto* src = dynamic_cast<const TfrxBarcode*>(source);
    if (!src || src == this) return;
    // Every setting and the painting state; the text metrics belong to this engine's host.
    const FontMetrics* metrics = metrics_;
    *this = *src;
    metrics_ = metrics;
}

void TfrxBarcode::SetText(std::string_view text) {
    assignedText_ = text;
    text_ = assignedText_;
}

void TfrxBarcode::setupElementWidths(const SymbologyInfo& info) {
    double ratio = ratio_;
    if (info.ratioMax > 0) {
        if (!(ratio >= info.ratioMin))  // also catches NaN
            ratio = info.ratioMin;
        else if (ratio > info.ratioMax)
            ratio = info.ratioMax;
        if (info.ratioStored) ratio_ = ratio;
    }
    if (info.moduleWidths) ratio = 2.0;
    const int modul = std::clamp<int32_t>(modul_, 1, kMaxModul);
    elementWidths_[0] = modul;
    elementWidths_[1] = static_cast<int>(roundHalfEven(modul * ratio));
    elementWidths_[2] = elementWidths_[1] * 3 / 2;
    elementWidths_[3] = elementWidths_[1] * 2;
}

std::string TfrxBarcode::BuildPattern() {
    const SymbologyInfo* info = symbologyInfo(typ_);
    if (!info) throw EBarcodeError(barcode::wrongBarcodeType());
    setupElementWidths(*info);
    text_ = assignedText_;
    if (info->numericOnly) {
        if (!text_.empty() && (static_cast<unsigned char>(text_.front()) <= ' ' ||
                               static_cast<unsigned char>(text_.back()) <= ' '))
            text_ = trim(text_);
        if (!barcode::allDigits(text_)) throw EBarcodeError(barcode::kNotNumeric);
    }
    barcode::Encoding e{typ_, text_, checksum_, checkSumMethod_, {}};
    info->encode(e);
    return std::move(e.pattern);
}

int32_t TfrxBarcode::widthOf(std::string_view pattern) const {
    const int64_t w = barcode::patternWidth(pattern, elementWidths_);
    return static_cast<int32_t>(std::min<int64_t>(w, std::numeric_limits<int32_t>::max()));
}

int32_t TfrxBarcode::Width() { return widthOf(BuildPattern()); }

std::string TfrxBarcode::AppendCheckDigit(std::string_view digits) const {
    return barcode::appendCheckDigit(digits, checkSumMethod_);
}

}  // namespace lumaro
