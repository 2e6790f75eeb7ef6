#pragma once
// Checks that a byte sequence fed in pieces is valid UTF-8 (no overlong forms, surrogates or
// code points above U+10FFFF), keeping the state of a sequence split between pieces.
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace lumaro {

class Utf8Validator {
public:
    void feed(const char* data, size_t size) {
        if (!ok_) return;
        const auto* p = reinterpret_cast<const unsigned char*>(data);
        const unsigned char* end = p + size;
        while (p < end) {
            if (need_ == 0) {
                // Skip ASCII eight bytes at a time.
                while (end - p >= 8) {
                    uint64_t word;
                    std::memcpy(&word, p, 8);
                    if (word & 0x8080808080808080ull) break;
                    p += 8;
                }
                if (p == end) break;
                const unsigned char c = *p++;
                if (c < 0x80) continue;
                lo_ = 0x80;
                hi_ = 0xBF;
                if (c >= 0xC2 && c <= 0xDF) {
                    need_ = 1;
                } else if (c >= 0xE0 && c <= 0xEF) {
                    need_ = 2;
                    if (c == 0xE0) lo_ = 0xA0;   // no overlong forms
                    if (c == 0xED) hi_ = 0x9F;   // no surrogates
                } else if (c >= 0xF0 && c <= 0xF4) {
                    need_ = 3;
                    if (c == 0xF0) lo_ = 0x90;   // no overlong forms
                    if (c == 0xF4) hi_ = 0x8F;   // nothing above U+10FFFF
                } else {
                    ok_ = false;
                    return;
                }
            } else {
                const unsigned char c = *p++;
                if (c < lo_ || c > hi_) {
                    ok_ = false;
                    return;
                }
                --need_;
                lo_ = 0x80;
                hi_ = 0xBF;
            }
        }
    }
    // True when everything fed was valid and no sequence is left unfinished.
    bool valid() const { return ok_ && need_ == 0; }

private:
    bool ok_ = true;
    int need_ = 0;
    unsigned char lo_ = 0x80, hi_ = 0xBF;
};

}  // namespace lumaro
