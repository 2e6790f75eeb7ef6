#include "core/format_text.h"

#include <cstdint>
#include <optional>

#include "core/digits.h"
#include "core/error.h"
#include "core/format_float.h"
#include "core/number_text.h"
#include "core/text.h"

namespace lumaro {

namespace {

constexpr size_t kErrorFormatChars = 31;
constexpr int kMaxFormatPrecision = 17;  // significant digits of e and g, limit of f, n and m
constexpr int kMaxPadding = 4096;        // widths and integer digits beyond make no sense on a label

[[noreturn]] void formatError(const char* pattern, std::string_view fmt) {
    const std::string_view shown = fmt.substr(0, utf8Offset(fmt, kErrorFormatChars));
    std::string msg(pattern);
    msg.replace(msg.find("%s"), 2, shown);
    throw EConvertError(msg);
}

[[noreturn]] void invalidFormat(std::string_view fmt) {
    formatError("Format '%s' invalid or incompatible with argument", fmt);
}

enum class ArgKind { Integer, Float, Currency, Text, Boolean, Other };

ArgKind kindOf(const Variant& v) {
    switch (v.type()) {
        case VarType::ShortInt:
        case VarType::SmallInt:
        case VarType::Integer: return ArgKind::Integer;
        case VarType::Single:
        case VarType::Double:
        case VarType::Date: return ArgKind::Float;
        case VarType::Currency: return ArgKind::Currency;
        case VarType::String: return ArgKind::Text;
        case VarType::Boolean: return ArgKind::Boolean;
        default: return ArgKind::Other;
    }
}

class Formatter {
public:
    Formatter(std::string_view fmt, std::span<const Variant> args, const FormatSettings& fs)
        : fmt_(fmt), args_(args), fs_(fs) {}

    std::string run() {
        std::string out;
        out.reserve(fmt_.size() + 16);
        size_t i = 0;
        while (i < fmt_.size()) {
            const size_t pct = fmt_.find('%', i);
            if (pct == std::string_view::npos) {
                out.append(fmt_.substr(i));
                break;
            }
            out.append(fmt_.substr(i, pct - i));
            i = pct + 1;
            if (i < fmt_.size() && fmt_[i] == '%') {
                out += '%';
                ++i;
                continue;
            }
            i = spec(out, i);
        }
        return out;
    }

private:
    const Variant& nextArg() {
        if (argIndex_ >= args_.size()) formatError("No argument for format '%s'", fmt_);
        return args_[argIndex_++];
    }

    // A number of the specifier: digits or "*" (an integer value); nothing when absent.
    std::optional<int> number(size_t& i) {
        if (i < fmt_.size() && fmt_[i] == '*') {
            ++i;
            const Variant& v = nextArg();
            if (kindOf(v) != ArgKind::Integer) invalidFormat(fmt_);
            return v.rawInt();
        }
        if (i >= fmt_.size() || fmt_[i] < '0' || fmt_[i] > '9') return std::nullopt;
        int n = 0;
        while (i < fmt_.size() && fmt_[i] >= '0' && fmt_[i] <= '9') {
            if (n < 100000000) n = n * 10 + (fmt_[i] - '0');
            ++i;
        }
        return n;
    }

    size_t spec(std::string& out, size_t i) {
        bool left = false;
        std::optional<int> n = number(i);
        if (i < fmt_.size() && fmt_[i] == ':') {
            if (!n || *n < 0) invalidFormat(fmt_);
            argIndex_ = static_cast<size_t>(*n);
            ++i;
            n.reset();
        }
        if (!n) {
            if (i < fmt_.size() && fmt_[i] == '-') {
                left = true;
                ++i;
            }
            n = number(i);
        }
        int width = n.value_or(0);
        if (width < 0) {
            // A negative width from "*" justifies to the left.
            left = true;
            width = width == INT32_MIN ? INT32_MAX : -width;
        }
        if (width > kMaxPadding) width = kMaxPadding;
        int precision = -1;
        if (i < fmt_.size() && fmt_[i] == '.') {
            ++i;
            precision = number(i).value_or(0);
        }
        if (i >= fmt_.size()) invalidFormat(fmt_);
        const char type = static_cast<char>(fmt_[i] | 0x20);
        ++i;
        const size_t start = out.size();
        convert(out, type, precision);
        if (width > 0) {
            const size_t len = utf8Length(std::string_view(out).substr(start));
            if (len < static_cast<size_t>(width)) {
                const size_t pad = static_cast<size_t>(width) - len;
                if (left)
                    out.append(pad, ' ');
                else
                    out.insert(start, pad, ' ');
            }
        }
        return i;
    }

    void convert(std::string& out, char type, int precision) {
        switch (type) {
            case 'd':
            case 'u':
            case 'x': {
                const Variant& v = nextArg();
                if (kindOf(v) != ArgKind::Integer) invalidFormat(fmt_);
                const int32_t n = v.rawInt();
                if (precision > kMaxPadding) precision = kMaxPadding;
                if (type == 'd') {
                    if (n < 0) out += '-';
                    appendDigits(out, n < 0 ? 0u - static_cast<uint32_t>(n) : static_cast<uint32_t>(n), 10,
                                   precision);
                } else {
                    appendDigits(out, static_cast<uint32_t>(n), type == 'u' ? 10 : 16, precision);
                }
                return;
            }
            case 'e':
            case 'f':
            case 'g':
            case 'n':
            case 'm': {
                const Variant& v = nextArg();
                const ArgKind kind = kindOf(v);
                if (kind != ArgKind::Float && kind != ArgKind::Currency) invalidFormat(fmt_);
                FloatFormat ff;
                int digits, prec;
                if (type == 'e' || type == 'g') {
                    ff = type == 'e' ? FloatFormat::Exponent : FloatFormat::General;
                    prec = precision < 0 ? 15 : precision > kMaxFormatPrecision ? kMaxFormatPrecision : precision;
                    digits = type == 'e' ? 3 : 0;
                } else {
                    ff = type == 'f' ? FloatFormat::Fixed : type == 'n' ? FloatFormat::Number : FloatFormat::Currency;
                    prec = kMaxFormatPrecision;
                    digits = precision >= 0 ? precision : type == 'm' ? fs_.currencyDecimals : 2;
                }
                if (kind == ArgKind::Currency)
                    appendCurrText(out, v.rawCurrency(), ff, ff == FloatFormat::Exponent || ff == FloatFormat::General ? prec : 19,
                                   digits, fs_);
                else
                    appendFloatText(out, v.rawDouble(), ff, prec, digits, fs_);
                return;
            }
            case 's': {
                const Variant& v = nextArg();
                const ArgKind kind = kindOf(v);
                if (kind != ArgKind::Text && kind != ArgKind::Other) invalidFormat(fmt_);
                std::string_view text;
                std::string converted;
                if (kind == ArgKind::Text) {
                    text = v.rawString();
                } else {
                    try {
                        converted = v.toString();
                    } catch (const EVariantError&) {
                        invalidFormat(fmt_);
                    }
                    text = converted;
                }
                if (precision >= 0) text = text.substr(0, utf8Offset(text, static_cast<size_t>(precision)));
                out.append(text);
                return;
            }
            case 'p': {
                const Variant& v = nextArg();
                if (!v.isObject()) invalidFormat(fmt_);
                appendDigits(out, reinterpret_cast<uintptr_t>(v.rawObject()), 16, 2 * sizeof(void*));
                return;
            }
            default: invalidFormat(fmt_);
        }
    }

    std::string_view fmt_;
    std::span<const Variant> args_;
    const FormatSettings& fs_;
    size_t argIndex_ = 0;
};

}  // namespace

std::string format(std::string_view fmt, std::span<const Variant> args, const FormatSettings& fs) {
    return Formatter(fmt, args, fs).run();
}

}  // namespace lumaro
