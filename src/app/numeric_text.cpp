#include "app/numeric_text.h"

#include <charconv>

#include "core/format_float.h"
#include "core/text.h"

namespace lumaro {

std::string numericDisplayText(double value, const FormatSettings& fs) { return formatFloat(",0.", value, fs); }

std::string numericEditText(double value, const FormatSettings& fs) {
    return value == 0 ? std::string() : formatFloat("0.##", value, fs);
}

bool isAcceptableNumericInput(std::string_view text, bool allowMinus, const FormatSettings& fs) {
    const std::string_view sep = fs.decimalSeparator;
    size_t i = 0;
    if (!text.empty() && text[0] == '-') {
        if (!allowMinus) return false;
        i = 1;
    }
    bool seenSeparator = false;
    int decimals = 0;
    while (i < text.size()) {
        if (!sep.empty() && text.substr(i, sep.size()) == sep) {
            if (seenSeparator) return false;
            seenSeparator = true;
            i += sep.size();
            continue;
        }
        if (text[i] < '0' || text[i] > '9') return false;
        if (seenSeparator && ++decimals > kNumericDecimals) return false;
        ++i;
    }
    return true;
}

double numericValueOfText(std::string_view text, const FormatSettings& fs) {
    std::string plain = replaceAll(trim(text), fs.decimalSeparator, ".");
    if (!plain.empty() && plain[0] == '-') plain.erase(0, 1);
    const bool negative = trim(text).rfind('-', 0) == 0;
    if (plain.empty() || plain == ".") return 0;
    if (plain[0] == '.') plain.insert(0, "0");
    double value = 0;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (result.ec != std::errc()) return 0;
    return negative ? -value : value;
}

std::string numericRangeMessage(double minValue, double maxValue, const FormatSettings& fs) {
    const auto bound = [&](double v) { return floatToStrF(v, FloatFormat::Fixed, 15, kNumericDecimals, fs); };
    std::string message = "Value must be between %d and %d";
    for (const double v : {minValue, maxValue}) {
        const size_t at = message.find("%d");
        message.replace(at, 2, bound(v));
    }
    return message;
}

}  // namespace lumaro
