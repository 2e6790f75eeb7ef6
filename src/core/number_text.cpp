#include "core/number_text.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/error.h"

namespace lumaro {

std::string intToStr(int64_t v) { return std::to_string(v); }

std::string floatToStr(double v, const FormatSettings& fs) {
    if (std::isnan(v)) return "NAN";
    if (std::isinf(v)) return v > 0 ? "INF" : "-INF";
    if (v == 0) return "0";
    // 15 significant digits, correctly rounded.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", v);
    // buf: [-]d.dddddddddddddde[+-]xx
    const char* p = buf;
    const bool neg = *p == '-';
    if (neg) ++p;
    std::string digits;
    for (; *p && *p != 'e'; ++p)
        if (*p != '.') digits += *p;
    const int exp10 = std::atoi(p + 1);  // value = d.ddd * 10^exp10
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
    std::string out = neg ? "-" : "";
    const int intDigits = exp10 + 1;
    if (intDigits > 15 || exp10 < -4) {
        out += digits[0];
        if (digits.size() > 1) {
            out += fs.decimalSeparator;
            out.append(digits, 1, std::string::npos);
        }
        out += 'E';
        out += std::to_string(exp10);
        return out;
    }
    if (intDigits <= 0) {
        out += '0';
        out += fs.decimalSeparator;
        out.append(static_cast<size_t>(-intDigits), '0');
        out += digits;
        return out;
    }
    if (static_cast<int>(digits.size()) <= intDigits) {
        out += digits;
        out.append(intDigits - digits.size(), '0');
        return out;
    }
    out.append(digits, 0, intDigits);
    out += fs.decimalSeparator;
    out.append(digits, intDigits, std::string::npos);
    return out;
}

std::string currToStr(int64_t scaled, const FormatSettings& fs) {
    return floatToStr(static_cast<double>(scaled) / 10000.0, fs);
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

std::optional<double> tryStrToFloatSep(std::string_view s, std::string_view decimalSeparator) {
    size_t b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= ' ') ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= ' ') --e;
    s = s.substr(b, e - b);
    if (s.empty()) return std::nullopt;
    std::string t;
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
    if (!digits) return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        t += 'e';
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) t += s[i++];
        bool expDigits = false;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            t += s[i++];
            expDigits = true;
        }
        if (!expDigits) return std::nullopt;
    }
    if (i != s.size()) return std::nullopt;
    errno = 0;
    char* end = nullptr;
    const double v = std::strtod(t.c_str(), &end);
    if (end != t.c_str() + t.size()) return std::nullopt;
    if (std::isinf(v)) return std::nullopt;
    return v;
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

}  // namespace lumaro
