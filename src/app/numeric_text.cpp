#include "app/numeric_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "core/text.h"

namespace lumaro {

namespace {

// `value` rounded half away from zero to `decimals` places, as plain digits with a point:
// "-1234.50".
std::string fixedDigits(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    double rounded = std::round(value * scale) / scale;
    if (rounded == 0) rounded = 0;  // no "-0"
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, rounded);
    return buf;
}

std::string groupThousands(std::string_view digits, std::string_view separator) {
    std::string out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
        out += digits[i];
    }
    return out;
}

}  // namespace

std::string numericDisplayText(double value, const FormatSettings& fs) {
    std::string digits = fixedDigits(value, 0);
    const bool negative = digits[0] == '-';
    if (negative) digits.erase(0, 1);
    return (negative ? "-" : "") + groupThousands(digits, fs.thousandSeparator);
}

std::string numericEditText(double value, const FormatSettings& fs) {
    std::string digits = fixedDigits(value, kNumericDecimals);
    while (digits.back() == '0') digits.pop_back();
    if (digits.back() == '.') digits.pop_back();
    if (digits == "0") return {};
    return replaceAll(digits, ".", fs.decimalSeparator);
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
    const auto bound = [&](double v) { return replaceAll(fixedDigits(v, kNumericDecimals), ".", fs.decimalSeparator); };
    std::string message = "Value must be between %d and %d";
    for (const double v : {minValue, maxValue}) {
        const size_t at = message.find("%d");
        message.replace(at, 2, bound(v));
    }
    return message;
}

}  // namespace lumaro
