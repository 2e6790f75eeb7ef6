#pragma once
// Digits of a whole number appended to text, the shared last step of number formatting.
#include <cstdint>
#include <string>

namespace lumaro {

// Upper-case digits of `v` in `base` (2..16), zero-padded to at least `minDigits`.
inline void appendDigits(std::string& out, uint64_t v, unsigned base = 10, int minDigits = 0) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    char buf[64];
    int n = 0;
    do {
        buf[n++] = kDigits[v % base];
        v /= base;
    } while (v);
    if (minDigits > n) out.append(static_cast<size_t>(minDigits - n), '0');
    while (n) out += buf[--n];
}

}  // namespace lumaro
