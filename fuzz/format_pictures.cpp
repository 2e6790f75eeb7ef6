// Pictures, format strings, masks and date texts come from templates: every formatter must
// survive any of them. Input: one selector byte, eight bytes of a double, then the text
// (a second text after a NUL byte where a function takes two).
#include <cstdint>
#include <cstring>
#include <string_view>
#include <vector>

#include "core/date_parse.h"
#include "core/date_time.h"
#include "core/error.h"
#include "core/format_float.h"
#include "core/format_text.h"
#include "core/mask_text.h"
#include "core/number_text.h"

using namespace lumaro;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 9) return 0;
    const uint8_t selector = data[0];
    double v;
    std::memcpy(&v, data + 1, 8);
    int64_t scaled;
    std::memcpy(&scaled, data + 1, 8);
    const std::string_view text(reinterpret_cast<const char*>(data + 9), size - 9);
    const size_t nul = text.find('\0');
    const std::string_view first = text.substr(0, nul);
    const std::string_view second = nul == std::string_view::npos ? std::string_view() : text.substr(nul + 1);
    const FormatSettings fs = selector & 0x80 ? FormatSettings::slovenian() : FormatSettings::english();
    try {
        switch (selector % 8) {
            case 0: formatFloat(first, v, fs); break;
            case 1: formatCurr(first, scaled, fs); break;
            case 2: formatDateTime(first, v, fs); break;
            case 3: {
                const std::vector<Variant> args = {Variant(static_cast<int>(scaled)), Variant(v), Variant(second),
                                                   Variant::currency(scaled), Variant::null(), Variant(true)};
                format(first, args, fs);
                break;
            }
            case 4: formatMaskText(first, second, fs); break;
            case 5:
                tryStrToDate(first, fs);
                tryStrToTime(first, fs);
                tryStrToDateTime(first, fs);
                break;
            case 6:
                tryStrToCurr(first, fs);
                tryStrToFloat(first, fs);
                break;
            case 7:
                floatToStrF(v, static_cast<FloatFormat>(data[1] % 5), static_cast<int8_t>(data[2]),
                            static_cast<int8_t>(data[3]), fs);
                break;
        }
    } catch (const EConvertError&) {
    }
    return 0;
}
