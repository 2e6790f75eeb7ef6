#pragma once
// Little-endian reading and writing of stored picture data. Every read is bounds-checked:
// running past the end raises EInvalidGraphic with the caller's description of the data.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "gfx/graphic_error.h"

namespace lumaro {

using Bytes = std::vector<uint8_t>;
using ByteSpan = std::span<const uint8_t>;

class ByteReader {
public:
    // `what` names the data in error messages, e.g. "Bitmap image is not valid".
    ByteReader(ByteSpan data, const char* what) : data_(data), what_(what) {}

    size_t position() const { return pos_; }
    size_t remaining() const { return data_.size() - pos_; }
    void seek(size_t pos) {
        if (pos > data_.size()) fail("offset beyond the end of the data");
        pos_ = pos;
    }
    void skip(size_t n) { seek(take(n) + n); }

    uint8_t u8() { return data_[take(1)]; }
    uint16_t u16() {
        const size_t p = take(2);
        return static_cast<uint16_t>(data_[p] | (data_[p + 1] << 8));
    }
    uint32_t u32() {
        const size_t p = take(4);
        return static_cast<uint32_t>(data_[p]) | (static_cast<uint32_t>(data_[p + 1]) << 8) |
               (static_cast<uint32_t>(data_[p + 2]) << 16) | (static_cast<uint32_t>(data_[p + 3]) << 24);
    }
    int16_t i16() { return static_cast<int16_t>(u16()); }
    int32_t i32() { return static_cast<int32_t>(u32()); }
    ByteSpan bytes(size_t n) { return data_.subspan(take(n), n); }
    ByteSpan rest() { return bytes(remaining()); }

    [[noreturn]] void fail(const std::string& detail) const {
        throw EInvalidGraphic(std::string(what_) + ": " + detail + " (at byte " + std::to_string(pos_) + ")");
    }

private:
    // Position of the next n bytes, consumed.
    size_t take(size_t n) {
        if (n > remaining()) fail("unexpected end of data");
        const size_t p = pos_;
        pos_ += n;
        return p;
    }

    ByteSpan data_;
    const char* what_;
    size_t pos_ = 0;
};

// Little-endian value of the bytes at `p` (callers check the bounds).
inline uint16_t peekU16(ByteSpan d, size_t p) { return static_cast<uint16_t>(d[p] | (d[p + 1] << 8)); }
inline uint32_t peekU32(ByteSpan d, size_t p) {
    return static_cast<uint32_t>(d[p]) | (static_cast<uint32_t>(d[p + 1]) << 8) |
           (static_cast<uint32_t>(d[p + 2]) << 16) | (static_cast<uint32_t>(d[p + 3]) << 24);
}

inline void putU16(Bytes& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}
inline void putU32(Bytes& out, uint32_t v) {
    putU16(out, v & 0xFFFF);
    putU16(out, v >> 16);
}

}  // namespace lumaro
