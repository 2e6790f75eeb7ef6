#pragma once
// TfrxBarcode: the barcode engine. Given a symbology, a text and a few drawing settings it
// completes the text (trimming, zero padding, check digits), encodes it into an element
// pattern (see element_pattern.h), reports the width of the code and paints it, bars and
// human-readable text, rotated by a quarter turn or not, into any rectangle of a canvas.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "barcode/barcode_error.h"
#include "barcode/barcode_type.h"
#include "core/object.h"
#include "gfx/canvas.h"
#include "gfx/builtin_font_metrics.h"
#include "gfx/color.h"

namespace lumaro {

// Quarter turns (0 to 3) nearest to `angle` degrees counter-clockwise: the rotation a code is
// painted with.
int barcodeQuarterTurns(double angle);

class TfrxBarcode : public Object {
public:
    TfrxBarcode() = default;

    // Copies every setting of another engine; a source of any other class is ignored.
    void Assign(const Object* source);

    // The data to encode. Encoding rewrites it into the completed text (padded, with check
    // digits, "0" in front of an odd set C text); every encoding starts again from the text
    // last assigned, so that reading `Width` and painting give the same code.
    const std::string& Text() const { return text_; }
    void SetText(std::string_view text);

    // Width of the narrow element in drawing units; widths use at least 1 and at most
    // kMaxModul.
    int32_t Modul() const { return modul_; }
    void SetModul(int32_t v) { modul_ = v; }
    static constexpr int32_t kMaxModul = 100;

    // Wide-to-narrow ratio; encoding clamps it where the symbology says so (and stores it back).
    double Ratio() const { return ratio_; }
    void SetRatio(double v) { ratio_ = v; }

    TfrxBarcodeType Typ() const { return typ_; }
    void SetTyp(TfrxBarcodeType v) { typ_ = v; }

    bool Checksum() const { return checksum_; }
    void SetChecksum(bool v) { checksum_ = v; }

    TfrxCheckSumMethod CheckSumMethod() const { return checkSumMethod_; }
    void SetCheckSumMethod(TfrxCheckSumMethod v) { checkSumMethod_ = v; }

    // Rotation in degrees, counter-clockwise on screen. Painting turns the code by the
    // nearest quarter turn (0, 90, 180 or 270).
    double Angle() const { return angle_; }
    void SetAngle(double v) { angle_ = v; }

    // Total width of the code in drawing units. Encodes the text (see Text and Ratio).
    int32_t Width();

    // Bar height in drawing units, set by PaintTo.
    int32_t Height() const { return height_; }
    void SetHeight(int32_t v) { height_ = v; }

    // Colour of spaces and of the text band, and colour of bars.
    lumaro::Color Color() const { return color_; }
    void SetColor(lumaro::Color v) { color_ = v; }
    lumaro::Color ColorBar() const { return colorBar_; }
    void SetColorBar(lumaro::Color v) { colorBar_ = v; }

    // The element pattern of the current type and text.
    std::string BuildPattern();

    // `digits` with the check digit of `CheckSumMethod` appended (unchanged with csmNone).
    std::string AppendCheckDigit(std::string_view digits) const;

    // Paints the code stretched into `rect` of `canvas`, with the human-readable text when
    // `showText` is set.
    void PaintTo(Canvas& canvas, const RectF& rect, bool showText);

    // Widths of the four element sizes (narrow, wide, 1.5 x wide, 2 x wide) of the last encoding.
    const std::array<int, 4>& ElementWidths() const { return elementWidths_; }
    // Shift of the bars inside the painting area, set by PaintTo.
    int32_t OriginX() const { return originX_; }
    int32_t OriginY() const { return originY_; }

    // Measures the human-readable text; the default, the built-in metrics, works without any
    // display. `metrics` must outlive the engine's painting.
    void setTextMetrics(const FontMetrics& metrics) { metrics_ = &metrics; }

private:
    struct Area;
    void setupElementWidths(const SymbologyInfo& info);
    int32_t widthOf(std::string_view pattern) const;
    void paintBars(Canvas& picture, std::string_view pattern, const Area& area) const;
    void paintHumanText(Canvas& picture, const Area& area) const;

    std::string assignedText_;  // the text as last assigned; every encoding starts from it
    std::string text_;          // the text as the last encoding completed it
    int32_t modul_ = 1;
    double ratio_ = 2.0;
    TfrxBarcodeType typ_ = bcCodeEAN13;
    bool checksum_ = false;
    TfrxCheckSumMethod checkSumMethod_ = csmModulo10;
    double angle_ = 0;
    int32_t height_ = 0;
    lumaro::Color color_ = clWhite;
    lumaro::Color colorBar_ = clBlack;
    std::array<int, 4> elementWidths_{1, 2, 3, 4};
    int32_t originX_ = 0;
    int32_t originY_ = 0;
    const FontMetrics* metrics_ = &builtinFontMetrics();
};

}  // namespace lumaro
