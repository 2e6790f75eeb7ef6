#include "core/format_float.h"

#include <cmath>

#include "core/digits.h"
#include "core/float_decimal.h"

namespace lumaro {

namespace {

constexpr int kMaxFixedDigits = 18;         // decimals of the fixed, number and currency formats
constexpr int kMaxCurrencyPrecision = 19;   // digits of the largest currency value
constexpr int kMaxPictureIntegerDigits = 18;  // beyond, pictures fall back to the general format
constexpr int kUnlimitedDecimals = 9999;

// A value to format: a double, or a currency scaled by 10000 that is formatted exactly.
struct NumberValue {
    double d = 0;
    int64_t scaled = 0;
    bool currency = false;

    int sign() const {
        if (currency) return scaled > 0 ? 1 : scaled < 0 ? -1 : 0;
        return d > 0 ? 1 : d < 0 ? -1 : 0;
    }
    FloatDecimal decimal(int precision, int decimals) const {
        if (currency) return currencyToDecimal(scaled, precision, decimals);
        return floatToDecimal(d, precision, decimals);
    }
};

int clampInt(int v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : v; }

void appendExponentNumber(std::string& out, int exp, int minDigits, bool plus) {
    if (exp < 0)
        out += '-';
    else if (plus)
        out += '+';
    appendDigits(out, exp < 0 ? 0u - static_cast<unsigned>(exp) : static_cast<unsigned>(exp), 10, minDigits);
}

bool appendSpecial(std::string& out, const FloatDecimal& d) {
    if (d.nan) {
        out += "NAN";
        return true;
    }
    if (d.infinite) {
        out += d.negative ? "-INF" : "INF";
        return true;
    }
    return false;
}

// "d.dddE-x": the digits without trailing zeros, a sign only for negative exponents.
void appendGeneralScientific(std::string& out, const FloatDecimal& d, int expDigits, const FormatSettings& fs) {
    if (d.negative) out += '-';
    out += d.digits[0];
    if (d.count > 1) {
        out += fs.decimalSeparator;
        out.append(d.digits + 1, d.count - 1);
    }
    out += 'E';
    appendExponentNumber(out, d.exponent - 1, expDigits, false);
}

void appendGeneral(std::string& out, FloatDecimal d, int precision, int expDigits, const FormatSettings& fs) {
    if (d.isZero()) {
        out += '0';
        return;
    }
    if (d.exponent > precision || d.exponent < -3) {
        appendGeneralScientific(out, d, expDigits, fs);
        return;
    }
    if (d.negative) out += '-';
    if (d.exponent <= 0) {
        out += '0';
        out += fs.decimalSeparator;
        out.append(static_cast<size_t>(-d.exponent), '0');
        out.append(d.digits, d.count);
        return;
    }
    if (d.count <= d.exponent) {
        out.append(d.digits, d.count);
        out.append(static_cast<size_t>(d.exponent - d.count), '0');
        return;
    }
    out.append(d.digits, d.exponent);
    out += fs.decimalSeparator;
    out.append(d.digits + d.exponent, d.count - d.exponent);
}

void appendExponentForm(std::string& out, const FloatDecimal& d, int precision, int expDigits,
                        const FormatSettings& fs) {
    if (d.negative && !d.isZero()) out += '-';
    out += d.isZero() ? '0' : d.digits[0];
    out += fs.decimalSeparator;
    for (int i = 1; i < precision; ++i) out += i < d.count ? d.digits[i] : '0';
    out += 'E';
    appendExponentNumber(out, d.isZero() ? 0 : d.exponent - 1, expDigits, true);
}

// Integer and fraction digits without sign: "1234.50" or with separators "1,234.50".
void appendFixedDigits(std::string& out, const FloatDecimal& d, int decimals, bool thousands,
                       const FormatSettings& fs) {
    if (d.exponent <= 0) {
        out += '0';
    } else {
        for (int i = 0; i < d.exponent; ++i) {
            out += i < d.count ? d.digits[i] : '0';
            const int left = d.exponent - i - 1;
            if (thousands && left > 0 && left % 3 == 0) out += fs.thousandSeparator;
        }
    }
    if (decimals <= 0) return;
    out += fs.decimalSeparator;
    for (int i = 0; i < decimals; ++i) {
        const int idx = d.exponent + i;
        out += idx >= 0 && idx < d.count ? d.digits[idx] : '0';
    }
}

// Currency layouts: '$' stands for the currency string, '1' for the number.
constexpr const char* kPositiveCurrency[] = {"$1", "1$", "$ 1", "1 $"};
constexpr const char* kNegativeCurrency[] = {"($1)", "-$1", "$-1", "$1-", "(1$)", "-1$", "1-$", "1$-",
                                             "-1 $", "-$ 1", "1 $-", "$ 1-", "$ -1", "1- $", "($ 1)", "(1 $)"};

void appendCurrencyForm(std::string& out, const FloatDecimal& d, int decimals, const FormatSettings& fs) {
    const bool negative = d.negative && !d.isZero();
    const int pos = fs.currencyFormat >= 0 && fs.currencyFormat <= 3 ? fs.currencyFormat : 0;
    const int neg = fs.negCurrFormat >= 0 && fs.negCurrFormat <= 15 ? fs.negCurrFormat : 0;
    const char* layout = negative ? kNegativeCurrency[neg] : kPositiveCurrency[pos];
    for (const char* p = layout; *p; ++p) {
        if (*p == '$')
            out += fs.currencyString;
        else if (*p == '1')
            appendFixedDigits(out, d, decimals, true, fs);
        else
            out += *p;
    }
}

void appendNumberText(std::string& out, const NumberValue& v, FloatFormat format, int precision, int digits,
                      const FormatSettings& fs) {
    const int maxPrecision = v.currency ? kMaxCurrencyPrecision : kMaxFloatPrecision;
    switch (format) {
        case FloatFormat::General: {
            precision = clampInt(precision, 1, maxPrecision);
            const FloatDecimal d = v.decimal(precision, kUnlimitedDecimals);
            if (!appendSpecial(out, d)) appendGeneral(out, d, precision, clampInt(digits, 0, 4), fs);
            return;
        }
        case FloatFormat::Exponent: {
            precision = clampInt(precision, 2, maxPrecision);
            const FloatDecimal d = v.decimal(precision, kUnlimitedDecimals);
            if (!appendSpecial(out, d)) appendExponentForm(out, d, precision, clampInt(digits, 0, 4), fs);
            return;
        }
        case FloatFormat::Fixed:
        case FloatFormat::Number:
        case FloatFormat::Currency: {
            precision = clampInt(precision, 1, maxPrecision);
            digits = clampInt(digits, 0, kMaxFixedDigits);
            const FloatDecimal d = v.decimal(precision, digits);
            if (appendSpecial(out, d)) return;
            if (d.exponent > precision) {
                appendGeneralScientific(out, d, 0, fs);
                return;
            }
            if (format == FloatFormat::Currency) {
                appendCurrencyForm(out, d, digits, fs);
                return;
            }
            if (d.negative && !d.isZero()) out += '-';
            appendFixedDigits(out, d, digits, format == FloatFormat::Number, fs);
            return;
        }
    }
}

// ---- FormatFloat pictures ----

struct PictureSection {
    std::string_view text;
    bool present = false;  // present and not empty
};

// Splits the picture at ";" outside quotes into the positive, negative and zero sections.
void splitSections(std::string_view pic, PictureSection (&sections)[3]) {
    size_t start = 0;
    int index = 0;
    for (size_t i = 0; i <= pic.size() && index < 3; ++i) {
        if (i < pic.size() && (pic[i] == '"' || pic[i] == '\'')) {
            const size_t close = pic.find(pic[i], i + 1);
            i = close == std::string_view::npos ? pic.size() - 1 : close;
            continue;
        }
        if (i == pic.size() || pic[i] == ';') {
            sections[index].text = pic.substr(start, i - start);
            sections[index].present = i > start;
            ++index;
            start = i + 1;
        }
    }
}

struct PictureLayout {
    int digitCount = 0;     // "0" and "#" placeholders
    int decimalIndex = -1;  // placeholders before the decimal point
    int firstDigit = 0;     // integer places from which "0" forces a digit
    int lastDigit = 0;      // fraction places (negative) up to which "0" forces a digit
    bool thousands = false;
    bool scientific = false;
};

PictureLayout scanSection(std::string_view s) {
    PictureLayout l;
    int firstZero = 32767, afterLastZero = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        switch (c) {
            case ',': l.thousands = true; break;
            case '.':
                if (l.decimalIndex < 0) l.decimalIndex = l.digitCount;
                break;
            case '"':
            case '\'': {
                const size_t close = s.find(c, i + 1);
                i = close == std::string_view::npos ? s.size() : close;
                break;
            }
            case 'e':
            case 'E':
                if (i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-')) {
                    l.scientific = true;
                    ++i;
                    while (i + 1 < s.size() && s[i + 1] == '0') ++i;
                }
                break;
            case '#': ++l.digitCount; break;
            case '0':
                if (l.digitCount < firstZero) firstZero = l.digitCount;
                ++l.digitCount;
                afterLastZero = l.digitCount;
                break;
            default: break;
        }
    }
    if (l.decimalIndex < 0) l.decimalIndex = l.digitCount;
    l.lastDigit = l.decimalIndex - afterLastZero;
    if (l.lastDigit > 0) l.lastDigit = 0;
    l.firstDigit = l.decimalIndex - firstZero;
    if (l.firstDigit < 0) l.firstDigit = 0;
    return l;
}

// Writes the section with the digits of `d` in its placeholders.
class PictureWriter {
public:
    PictureWriter(std::string& out, const FloatDecimal& d, const PictureLayout& l, const FormatSettings& fs)
        : out_(out), d_(d), l_(l), fs_(fs) {}

    void write(std::string_view s, bool minus) {
        if (minus) out_ += '-';
        int exponent = d_.exponent;
        if (l_.scientific) {
            place_ = l_.decimalIndex;
            delta_ = 0;
            exponent = d_.isZero() ? 0 : d_.exponent - l_.decimalIndex;
        } else {
            delta_ = d_.exponent - l_.decimalIndex;
            place_ = delta_ > 0 ? d_.exponent : l_.decimalIndex;
        }
        for (size_t i = 0; i < s.size(); ++i) {
            const char c = s[i];
            switch (c) {
                case '0':
                case '#': putPlaceholder(); break;
                case '.':
                case ',': break;
                case '"':
                case '\'': {
                    const size_t close = s.find(c, i + 1);
                    const size_t stop = close == std::string_view::npos ? s.size() : close;
                    out_.append(s.substr(i + 1, stop - i - 1));
                    i = stop;
                    break;
                }
                case 'e':
                case 'E':
                    if (i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-')) {
                        const bool plus = s[++i] == '+';
                        int zeros = 0;
                        while (i + 1 < s.size() && s[i + 1] == '0') {
                            ++i;
                            if (zeros < 4) ++zeros;
                        }
                        out_ += c;
                        appendExponentNumber(out_, exponent, zeros, plus);
                    } else {
                        out_ += c;
                    }
                    break;
                default: out_ += c; break;
            }
        }
    }

private:
    void writeDigit(char c) {
        if (place_ == 0) out_ += fs_.decimalSeparator;
        out_ += c;
        --place_;
        if (l_.thousands && place_ > 1 && place_ % 3 == 0) out_ += fs_.thousandSeparator;
    }
    void nextDigit() {
        if (next_ < d_.count)
            writeDigit(d_.digits[next_++]);
        else if (place_ <= l_.lastDigit)
            --place_;
        else
            writeDigit('0');
    }
    void putPlaceholder() {
        if (delta_ < 0) {
            ++delta_;
            if (place_ <= l_.firstDigit)
                writeDigit('0');
            else
                --place_;
            return;
        }
        // The first placeholder takes every integer digit the picture has no place for.
        for (; delta_ > 0; --delta_) nextDigit();
        nextDigit();
    }

    std::string& out_;
    const FloatDecimal& d_;
    const PictureLayout& l_;
    const FormatSettings& fs_;
    int place_ = 0;
    int delta_ = 0;
    int next_ = 0;
};

std::string formatPicture(std::string_view pic, const NumberValue& v, const FormatSettings& fs) {
    std::string out;
    PictureSection sections[3];
    splitSections(pic, sections);
    if (!sections[0].present) {
        appendNumberText(out, v, FloatFormat::General, 15, 0, fs);
        return out;
    }
    const int sign = v.sign();
    int index = sign > 0 ? 0 : sign < 0 ? 1 : 2;
    if (!sections[index].present) index = 0;
    PictureLayout layout = scanSection(sections[index].text);
    const int maxPrecision = v.currency ? kMaxCurrencyPrecision : kMaxFloatPrecision;
    FloatDecimal d = layout.scientific
                         ? v.decimal(clampInt(layout.digitCount, 1, maxPrecision), kUnlimitedDecimals)
                         : v.decimal(maxPrecision, layout.digitCount - layout.decimalIndex);
    if (d.special() || (!layout.scientific && d.exponent >= kMaxPictureIntegerDigits)) {
        appendNumberText(out, v, FloatFormat::General, 15, 0, fs);
        return out;
    }
    // A value that rounds to zero takes the zero section when there is one.
    if (d.isZero() && index != 2 && sections[2].present) {
        index = 2;
        layout = scanSection(sections[2].text);
    }
    if (sign == 0) d.negative = false;
    out.reserve(sections[index].text.size() + d.count + 8);
    PictureWriter(out, d, layout, fs).write(sections[index].text, d.negative && index == 0);
    return out;
}

}  // namespace

void appendFloatText(std::string& out, double v, FloatFormat format, int precision, int digits,
                     const FormatSettings& fs) {
    appendNumberText(out, NumberValue{v, 0, false}, format, precision, digits, fs);
}

void appendCurrText(std::string& out, int64_t scaled, FloatFormat format, int precision, int digits,
                    const FormatSettings& fs) {
    appendNumberText(out, NumberValue{0, scaled, true}, format, precision, digits, fs);
}

std::string floatToStrF(double v, FloatFormat format, int precision, int digits, const FormatSettings& fs) {
    std::string out;
    appendFloatText(out, v, format, precision, digits, fs);
    return out;
}

std::string currToStrF(int64_t scaled, FloatFormat format, int digits, const FormatSettings& fs) {
    std::string out;
    appendCurrText(out, scaled, format, kMaxCurrencyPrecision, digits, fs);
    return out;
}

std::string formatFloat(std::string_view picture, double v, const FormatSettings& fs) {
    return formatPicture(picture, NumberValue{v, 0, false}, fs);
}

std::string formatCurr(std::string_view picture, int64_t scaled, const FormatSettings& fs) {
    return formatPicture(picture, NumberValue{0, scaled, true}, fs);
}

}  // namespace lumaro
