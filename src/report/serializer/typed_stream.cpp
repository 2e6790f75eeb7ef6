#include "report/serializer/typed_stream.h"

namespace lumaro {

void TypedWriter::put32(uint32_t v) {
    for (int i = 0; i < 4; ++i) buf_.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

void TypedWriter::writeName(std::string_view name) {
    if (name.size() > 255) name = name.substr(0, 255);
    buf_.push_back(static_cast<char>(name.size()));
    buf_.append(name);
}

void TypedWriter::writeInteger(int32_t v) {
    if (v >= INT8_MIN && v <= INT8_MAX) {
        buf_.push_back(static_cast<char>(vaInt8));
        buf_.push_back(static_cast<char>(static_cast<int8_t>(v)));
    } else if (v >= INT16_MIN && v <= INT16_MAX) {
        buf_.push_back(static_cast<char>(vaInt16));
        const auto u = static_cast<uint16_t>(v);
        buf_.push_back(static_cast<char>(u & 0xFF));
        buf_.push_back(static_cast<char>(u >> 8));
    } else {
        buf_.push_back(static_cast<char>(vaInt32));
        put32(static_cast<uint32_t>(v));
    }
}

void TypedWriter::writeBinary(std::string_view bytes) {
    buf_.push_back(static_cast<char>(vaBinary));
    put32(static_cast<uint32_t>(bytes.size()));
    buf_.append(bytes);
}

void TypedWriter::writeLongString(std::string_view text) {
    buf_.push_back(static_cast<char>(vaLString));
    put32(static_cast<uint32_t>(text.size()));
    buf_.append(text);
}

bool TypedReader::take(size_t n, std::string_view& out) {
    if (n > data_.size() - pos_) return false;
    out = data_.substr(pos_, n);
    pos_ += n;
    return true;
}

bool TypedReader::get32(uint32_t& v) {
    std::string_view b;
    if (!take(4, b)) return false;
    v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(b[static_cast<size_t>(i)]);
    return true;
}

bool TypedReader::readName(std::string& name) {
    std::string_view len, s;
    if (!take(1, len) || !take(static_cast<uint8_t>(len[0]), s)) return false;
    name.assign(s);
    return true;
}

bool TypedReader::readInteger(int32_t& value) {
    std::string_view code, b;
    if (!take(1, code)) return false;
    switch (static_cast<uint8_t>(code[0])) {
        case vaInt8:
            if (!take(1, b)) return false;
            value = static_cast<int8_t>(b[0]);
            return true;
        case vaInt16:
            if (!take(2, b)) return false;
            value = static_cast<int16_t>(static_cast<uint8_t>(b[0]) | (static_cast<uint8_t>(b[1]) << 8));
            return true;
        case vaInt32: {
            uint32_t v;
            if (!get32(v)) return false;
            value = static_cast<int32_t>(v);
            return true;
        }
        default:
            return false;
    }
}

bool TypedReader::readBinary(std::string& bytes) {
    std::string_view code, b;
    uint32_t n;
    if (!take(1, code) || static_cast<uint8_t>(code[0]) != vaBinary || !get32(n) || !take(n, b)) return false;
    bytes.assign(b);
    return true;
}

bool TypedReader::readString(std::string& text) {
    std::string_view code, b;
    if (!take(1, code)) return false;
    const auto c = static_cast<uint8_t>(code[0]);
    uint32_t n;
    if (c == vaString) {
        std::string_view len;
        if (!take(1, len)) return false;
        n = static_cast<uint8_t>(len[0]);
    } else if (c != vaLString || !get32(n)) {
        return false;
    }
    if (!take(n, b)) return false;
    text.assign(b);
    return true;
}

bool TypedReader::readListBegin() {
    if (peekCode() != vaList) return false;
    ++pos_;
    return true;
}

bool TypedReader::readListEnd() {
    if (peekCode() != vaNull) return false;
    ++pos_;
    return true;
}

bool TypedReader::skipValue(int depth) {
    if (depth > 64) return false;
    std::string s;
    int32_t i;
    switch (peekCode()) {
        case vaList:
            ++pos_;
            while (!readListEnd())
                if (!skipValue(depth + 1)) return false;
            return true;
        case vaInt8:
        case vaInt16:
        case vaInt32:
            return readInteger(i);
        case vaBinary:
            return readBinary(s);
        case vaString:
        case vaLString:
            return readString(s);
        default:
            return false;
    }
}

std::string hexEncode(std::string_view bytes) {
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    out.resize(bytes.size() * 2);
    for (size_t i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<uint8_t>(bytes[i]);
        out[2 * i] = digits[b >> 4];
        out[2 * i + 1] = digits[b & 15];
    }
    return out;
}

namespace {
int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}
}  // namespace

std::string hexDecode(std::string_view text) {
    std::string out;
    out.reserve(text.size() / 2);
    for (size_t i = 0; i + 1 < text.size(); i += 2) {
        const int hi = hexDigit(text[i]), lo = hexDigit(text[i + 1]);
        if (hi < 0 || lo < 0) break;
        out.push_back(static_cast<char>((hi << 4) | lo));
    }
    return out;
}

}  // namespace lumaro
