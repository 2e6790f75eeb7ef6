// Fuzz target for the barcode engine: any type, text and settings must encode and paint
// without crashing, raise only the engine's own messages, give the same code when encoded
// again, and paint inside the target rectangle.
//
// Input: type, flags, ratio (2 bytes), module, angle (2 bytes), rectangle width and height,
// then the text.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "barcode/barcode.h"
#include "core/text.h"
#include "gfx/display_list.h"

namespace {

using namespace lumaro;

bool startsWith(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }
bool endsWith(std::string_view s, std::string_view p) { return s.size() >= p.size() && s.substr(s.size() - p.size()) == p; }

// The messages the engine may raise. A message quoting a text with a NUL character ends
// there, as every C string does.
bool allowedMessage(const std::string& m, bool textHasNul) {
    static const char* const exact[] = {"Barcode must be numeric", "TfrxBarcode: wrong BarcodeType"};
    for (const char* e : exact)
        if (m == e) return true;
    static const char* const named[] = {"EAN13", "EAN8", "UPC_A", "UPC_E0", "UPC_E1", "UPC Supp2", "UPC Supp5"};
    for (const char* n : named)
        if (m == std::string("Invalid Text len (") + n + ")" || m == std::string("Invalid check digit (") + n + ")")
            return true;
    if ((startsWith(m, "TfrxBarcode:Code93 bad Data <") || startsWith(m, "TfrxBarcode:Codabar bad Data <") ||
         startsWith(m, "TfrxBarcode:Code128 bad Data <")) &&
        (endsWith(m, ">") || textHasNul))
        return true;
    // GS1 texts with application identifiers: the identifier quoted in parentheses.
    static const char* const gs1[] = {"Invalid GS1 application identifier (",
                                      "No data after the GS1 application identifier (",
                                      "Invalid character in the GS1 data of (", "The GS1 data of (",
                                      "Invalid check digit in the GS1 data of ("};
    for (const char* g : gs1)
        if (startsWith(m, g) && (m.find(')') != std::string::npos || textHasNul)) return true;
    // The integer conversion of one character that is not a digit.
    const std::string_view suffix = "' is not a valid integer value";
    if (m == "'" && textHasNul) return true;
    if (startsWith(m, "'") && endsWith(m, suffix)) {
        const std::string_view c = std::string_view(m).substr(1, m.size() - 1 - suffix.size());
        return utf8Length(c) == 1 && !(c.size() == 1 && c[0] >= '0' && c[0] <= '9');
    }
    return false;
}

[[noreturn]] void fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "%s: %s\n", what, detail.c_str());
    std::abort();
}

double ratioFrom(uint16_t v) {
    switch (v) {
        case 0xFFFF: return NAN;
        case 0xFFFE: return INFINITY;
        case 0xFFFD: return -INFINITY;
        default: return (static_cast<int16_t>(v)) / 1000.0;  // -32.768 .. 32.767
    }
}

void checkInside(const DisplayList& list, const RectF& rect) {
    const double eps = 1e-6 * (1 + rect.width() + rect.height());
    for (const auto& c : list.commands())
        if (const auto* p = std::get_if<dl::Polygon>(&c))
            for (const PointF& q : p->points)
                if (q.x < rect.left - eps || q.x > rect.right + eps || q.y < rect.top - eps || q.y > rect.bottom + eps)
                    fail("bar outside the rectangle", std::to_string(q.x) + "," + std::to_string(q.y));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 10) return 0;
    TfrxBarcode b;
    b.SetTyp(static_cast<TfrxBarcodeType>(data[0] % (kBarcodeTypeCount + 2)));
    b.SetChecksum(data[1] & 1);
    b.SetCheckSumMethod(data[1] & 2 ? csmNone : csmModulo10);
    const bool showText = data[1] & 4;
    b.SetRatio(ratioFrom(static_cast<uint16_t>(data[2] | data[3] << 8)));
    b.SetModul(static_cast<int8_t>(data[4]));
    b.SetAngle(static_cast<int16_t>(data[5] | data[6] << 8) / 2.0);
    const RectF rect{3, 5, 3 + data[7] * 4.0 + 0.5, 5 + data[8] * 2.0 + 0.25};
    const std::string text(reinterpret_cast<const char*>(data + 9), size - 9);
    b.SetText(text);
    try {
        const std::string pattern = b.BuildPattern();
        const std::string completed = b.Text();
        const int32_t width = b.Width();
        if (width <= 0) fail("empty code", completed);
        DisplayList list;
        b.PaintTo(list, rect, showText);
        if (b.BuildPattern() != pattern || b.Text() != completed) fail("encoding again differs", text);
        checkInside(list, rect);
    } catch (const Exception& e) {
        if (!allowedMessage(e.message(), text.find('\0') != std::string::npos)) fail("unexpected message", e.message());
    }
    return 0;
}
