#include "core/number_text.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/digits.h"
#include "core/error.h"
#include "core/format_float.h"

namespace lumaro {

std::string intToStr(int64_t v) { return std::to_string(v); }

std::string floatToStr(double v, const FormatSettings& fs) {
    return floatToStrF(v, FloatFormat::General, 15, 0, fs);
}

std::string currToStr(int64_t scaled, const FormatSettings& fs) {
    return currToStrF(scaled, FloatFormat::General, 0, fs);
}

std::optional<int64_t> tryStrToInt64(std::string_view s) {
    size_t i = 0;
    while (i < s.size() && s[i] == ' ') ++i;
    bool neg = false;
    if (i < s.size() && (s[i] == '-' || s[i] == '+')) {
        neg = s[i] == '-';
        ++i;
    }
    int base = 10;
    if (i < s.size() && s[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= s.size()) return std::nullopt;
    uint64_t v = 0;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            return std::nullopt;
        const uint64_t next = v * base + d;
        if (base == 10 && (next / 10 != v || next > 0x8000000000000000ull)) return std::nullopt;
        if (base == 16 && (v >> 60) != 0) return std::nullopt;
        v = next;
    }
    if (base == 10 && !neg && v > 0x7FFFFFFFFFFFFFFFull) return std::nullopt;
    return neg ? static_cast<int64_t>(0 - v) : static_cast<int64_t>(v);
}

std::optional<int32_t> tryStrToInt(std::string_view s) {
    const auto v = tryStrToInt64(s);
    if (!v) return std::nullopt;
    // Hexadecimal literals up to $FFFFFFFF wrap into the 32-bit range, decimal ones must fit.
    const bool hex = s.find('$') != std::string_view::npos || s.find('x') != std::string_view::npos ||
                     s.find('X') != std::string_view::npos;
    if (hex && *v >= 0 && *v <= 0xFFFFFFFFll) return static_cast<int32_t>(static_cast<uint32_t>(*v));
    if (*v < INT32_MIN || *v > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(*v);
}

namespace {

// Checks a decimal number with the given separator and an optional exponent (blanks at both
// ends allowed) and writes it to `t` in the C notation ("-12.5e3").
bool normalizeDecimal(std::string_view s, std::string_view decimalSeparator, std::string& t) {
    size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
    s = s.substr(b, e - b);
    if (s.empty()) return false;
    t.clear();
    t.reserve(s.size());
    size_t i = 0;
    if (s[i] == '+' || s[i] == '-') t += s[i++];
    bool digits = false, point = false;
    while (i < s.size()) {
        if (s[i] >= '0' && s[i] <= '9') {
            t += s[i++];
            digits = true;
        } else if (!point && !decimalSeparator.empty() && s.substr(i, decimalSeparator.size()) == decimalSeparator) {
            t += '.';
            i += decimalSeparator.size();
            point = true;
        } else {
            break;
        }
    }
    if (!digits) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        t += 'e';
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) t += s[i++];
        bool expDigits = false;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            t += s[i++];
            expDigits = true;
        }
        if (!expDigits) return false;
    }
    return i == s.size();
}

// The value of a normalised decimal text times 10000, rounded half to even; nothing when it
// does not fit 64 bits.
std::optional<int64_t> scaledCurrency(const std::string& t) {
    size_t i = 0;
    const bool neg = t[0] == '-';
    if (t[0] == '-' || t[0] == '+') ++i;
    std::string digits;
    long long exp = 4;
    bool point = false;
    for (; i < t.size() && t[i] != 'e'; ++i) {
        if (t[i] == '.') {
            point = true;
            continue;
        }
        if (digits.empty() && t[i] == '0') {
            if (point) --exp;
            continue;
        }
        digits += t[i];
        if (point) --exp;
    }
    if (i < t.size()) {
        const long long e = std::strtoll(t.c_str() + i + 1, nullptr, 10);
        if (e > 100) return digits.empty() ? std::optional<int64_t>(0) : std::nullopt;
        if (e < -100) return 0;
        exp += e;
    }
    if (digits.empty()) return 0;
    const long long size = static_cast<long long>(digits.size());
    const long long keep = size + exp;  // digits before the point of the scaled value
    if (keep > 19) return std::nullopt;
    uint64_t mag = 0;
    for (long long k = 0; k < keep; ++k) {
        const unsigned digit = k < size ? static_cast<unsigned>(digits[k] - '0') : 0u;
        if (mag > (UINT64_MAX - digit) / 10) return std::nullopt;
        mag = mag * 10 + digit;
    }
    if (keep >= 0 && keep < size) {
        // The dropped digits decide: above half rounds up, exactly half to the even neighbour.
        const char lead = digits[keep];
        const bool rest = digits.find_first_not_of('0', keep + 1) != std::string::npos;
        if (lead > '5' || (lead == '5' && (rest || (mag & 1)))) ++mag;
    }
    if (mag > (neg ? 0x8000000000000000ull : 0x7FFFFFFFFFFFFFFFull)) return std::nullopt;
    return neg ? static_cast<int64_t>(0 - mag) : static_cast<int64_t>(mag);
}

}  // namespace

std::optional<double> tryStrToFloatSep(std::string_view s, std::string_view decimalSeparator) {
    std::string t;
    if (!normalizeDecimal(s, decimalSeparator, t)) return std::nullopt;
    char* end = nullptr;
    const double v = std::strtod(t.c_str(), &end);
    if (end != t.c_str() + t.size()) return std::nullopt;
    if (std::isinf(v)) return std::nullopt;
    return v;
}

std::optional<int64_t> tryStrToCurr(std::string_view s, const FormatSettings& fs) {
    std::string t;
    if (!normalizeDecimal(s, fs.decimalSeparator, t)) return std::nullopt;
    return scaledCurrency(t);
}

std::optional<double> tryStrToFloat(std::string_view s, const FormatSettings& fs) {
    return tryStrToFloatSep(s, fs.decimalSeparator);
}

int32_t strToInt(std::string_view s) {
    const auto v = tryStrToInt(s);
    if (!v) throw EConvertError("'" + std::string(s) + "' is not a valid integer value");
    return *v;
}

double strToFloat(std::string_view s, const FormatSettings& fs) {
    const auto v = tryStrToFloat(s, fs);
    if (!v) throw EConvertError("'" + std::string(s) + "' is not a valid floating point value");
    return *v;
}

int64_t roundHalfEven(double v) { return static_cast<int64_t>(std::nearbyint(v)); }

int32_t strToIntDef(std::string_view s, int32_t def) { return tryStrToInt(s).value_or(def); }

double strToFloatDef(std::string_view s, double def, const FormatSettings& fs) {
    return tryStrToFloat(s, fs).value_or(def);
}

int64_t strToCurr(std::string_view s, const FormatSettings& fs) {
    const auto v = tryStrToCurr(s, fs);
    if (!v) throw EConvertError("'" + std::string(s) + "' is not a valid floating point value");
    return *v;
}

bool validInt(std::string_view s) { return tryStrToInt(s).has_value(); }

bool validFloat(std::string_view s, const FormatSettings& fs) { return tryStrToFloat(s, fs).has_value(); }

std::string intToHex(int64_t v, int digits) {
    std::string out;
    appendDigits(out, static_cast<uint64_t>(v), 16, digits > 64 ? 64 : digits);
    return out;
}

std::string intToHex(int32_t v, int digits) { return intToHex(static_cast<int64_t>(static_cast<uint32_t>(v)), digits); }

namespace {
// Whole numbers of a double that fit 32 bits; the platform's errors otherwise.
int32_t checkedInt32(double whole) {
    if (std::isnan(whole) || std::isinf(whole)) throw EInvalidOp(kInvalidFloatOperation);
    if (whole > 2147483647.0 || whole < -2147483648.0) throw EIntOverflow(kIntegerOverflow);
    return static_cast<int32_t>(whole);
}
}  // namespace

int32_t roundToInt(double v) { return checkedInt32(std::nearbyint(v)); }

int32_t truncToInt(double v) { return checkedInt32(std::trunc(v)); }

double intPart(double v) { return std::trunc(v); }

double fracPart(double v) { return v - std::trunc(v); }

}  // namespace lumaro
