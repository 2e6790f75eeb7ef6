// Fuzz target for text layout: any text, tags, font, size, rotation, gaps, rectangle, scale and
// device must lay out, measure, split and draw without crashing or hanging, and the results
// must hold together: at most one more output line than characters per source line, finite
// measures, a split that loses no text, and a drawing of bounded size.
//
// Input: flags, alignment and style, rotation (2 bytes), size (2 bytes), rectangle width and
// height (2 bytes each), line spacing, character spacing and paragraph gap (2 bytes each, in
// quarter pixels), scale, device, then the text (lines separated by line feeds).
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "core/text.h"
#include "fuzz_check.h"
#include "gfx/display_list.h"
#include "report/layout/draw_text.h"
#include "report/model/font.h"

namespace {

using namespace lumaro;

constexpr size_t kHeader = 18;

int16_t int16At(const uint8_t* p) { return static_cast<int16_t>(p[0] | (p[1] << 8)); }

// Scales from a hundredth to a hundred, and a few values no caller should pass.
double scaleOf(uint8_t b) {
    switch (b) {
        case 0: return 0;
        case 1: return -1;
        case 2: return std::nan("");
        case 3: return HUGE_VAL;
        default: return std::pow(10.0, (b - 128) / 64.0);
    }
}

class Printer final : public DisplayList {
public:
    explicit Printer(double dpi) : dpi_(dpi) {}
    double dpiX() const override { return dpi_; }
    double dpiY() const override { return dpi_; }
    bool isPrinter() const override { return true; }

private:
    double dpi_;
};

const char* const kFonts[] = {"Arial", "Times New Roman", "Courier New", ""};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < kHeader) return 0;
    const uint8_t flags = data[0], look = data[1];
    const int rotation = int16At(data + 2);
    const int fontSize = int16At(data + 4);
    const double width = int16At(data + 6), height = int16At(data + 8);
    const double lineSpacing = int16At(data + 10) / 4.0, charSpacing = int16At(data + 12) / 4.0,
                 paragraphGap = int16At(data + 14) / 4.0;
    const double scale = scaleOf(data[16]);
    const uint8_t device = data[17];
    const bool tags = flags & 2;

    std::vector<std::string> lines = splitLines(
        toUtf8(std::string_view(reinterpret_cast<const char*>(data + kHeader), size - kHeader)));

    TfrxFont font;
    font.SetName(kFonts[(look >> 6) & 3]);
    font.SetSize(fontSize);
    font.SetStyle(look & 15);

    TfrxDrawText dt;
    DrawTextLock lock(dt);
    dt.SetFont(font);
    dt.SetOptions(flags & 1, tags, rotation, flags & 4, flags & 8, flags & 16);
    dt.SetGaps(lineSpacing, charSpacing, paragraphGap);
    const RectF unscaled{-3, 5, width - 3, height + 5};
    const RectF scaled{unscaled.left * scale, unscaled.top * scale, unscaled.right * scale, unscaled.bottom * scale};
    dt.SetDimensions(unscaled, scaled, scale, scale);
    dt.SetText(lines);

    size_t codePoints = 0;
    for (const std::string& l : lines) codePoints += std::max<size_t>(utf8Length(l), 1) + 1;
    CHECK(dt.lines().size() <= codePoints);
    CHECK(lines.empty() == dt.lines().empty());
    CHECK(std::isfinite(dt.CalcHeight()));
    CHECK(std::isfinite(dt.CalcWidth()));
    CHECK(std::isfinite(dt.LineHeight()));
    const double remaining = dt.RemainingHeight();
    CHECK(std::isfinite(remaining) && remaining >= 0);

    const auto draw = [&](Canvas& canvas) {
        dt.DrawText(canvas, static_cast<TfrxHAlign>((flags >> 5) & 3), static_cast<TfrxVAlign>(((look >> 4) & 3) % 3));
    };
    DisplayList screen;
    draw(screen);
    for (const TextRun& r : screen.textRuns()) {
        CHECK(r.advances.size() == utf8Length(r.text));
        for (double a : r.advances) CHECK(std::isfinite(a));
    }
    CHECK(screen.commands().size() <= 4 * codePoints + 4);
    const double dpis[] = {300, 600, 1200, 72};
    Printer printer(dpis[device & 3]);
    draw(printer);

    // The split loses nothing: what stays and what moves on make up the whole text.
    const std::string whole = dt.GetInBoundsText();
    const std::string rest = dt.GetOutBoundsText();
    const std::string kept = dt.GetInBoundsText();
    CHECK(whole.compare(0, kept.size(), kept) == 0);
    if (!tags) {
        CHECK(kept + rest == whole);
    } else {
        CHECK(rest.empty() || (rest.size() >= whole.size() - kept.size() &&
                               rest.compare(rest.size() - (whole.size() - kept.size()), std::string::npos, whole,
                                            kept.size()) == 0));
    }
    DisplayList after;
    draw(after);
    return 0;
}
