#pragma once
// The typed value encoding of "PropData" attributes: named entries (a length byte and the
// name) each followed by one value whose first byte is its type code. Little-endian.
// The reader checks every length against the data and never raises: a faulty value makes
// the read return false.
#include <cstdint>
#include <string>
#include <string_view>

namespace lumaro {

enum TypedValueCode : uint8_t {
    vaNull = 0,        // end of a list
    vaList = 1,
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaString = 6,      // short string: length byte (read only)
    vaBinary = 10,     // 32-bit length, bytes
    vaLString = 12,    // 32-bit length, characters
    vaCollection = 14, // component-stream collection (not supported)
};

class TypedWriter {
public:
    // A length byte and the name (cut to 255 bytes).
    void writeName(std::string_view name);
    // The smallest of the 1, 2 and 4-byte forms that holds the value.
    void writeInteger(int32_t value);
    void writeBinary(std::string_view bytes);
    void writeLongString(std::string_view text);
    void writeListBegin() { buf_.push_back(static_cast<char>(vaList)); }
    void writeListEnd() { buf_.push_back(static_cast<char>(vaNull)); }

    const std::string& data() const { return buf_; }

private:
    void put32(uint32_t v);
    std::string buf_;
};

class TypedReader {
public:
    explicit TypedReader(std::string_view data) : data_(data) {}

    bool atEnd() const { return pos_ >= data_.size(); }
    // The code of the next value without consuming it; -1 at the end.
    int peekCode() const { return atEnd() ? -1 : static_cast<uint8_t>(data_[pos_]); }

    bool readName(std::string& name);
    bool readInteger(int32_t& value);
    bool readBinary(std::string& bytes);
    // A long string or a short string.
    bool readString(std::string& text);
    bool readListBegin();
    // Consumes an end-of-list code when one is next.
    bool readListEnd();
    // Skips one value of any supported kind (lists included).
    bool skipValue(int depth = 0);

private:
    bool take(size_t n, std::string_view& out);
    bool get32(uint32_t& v);

    std::string_view data_;
    size_t pos_ = 0;
};

// Two upper-case hexadecimal digits per byte.
std::string hexEncode(std::string_view bytes);
// Decodes pairs of hexadecimal digits (either case). A trailing odd digit or a non-digit
// ends the decoding; what was decoded up to there is returned.
std::string hexDecode(std::string_view text);

}  // namespace lumaro
