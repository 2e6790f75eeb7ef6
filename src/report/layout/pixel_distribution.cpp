#include "report/layout/pixel_distribution.h"

#include <algorithm>

namespace lumaro {

namespace {

// k pixels of `sign` over entries [a, b], k at most the number of entries.
void spread(std::span<int64_t> e, size_t a, size_t b, int64_t k, int sign) {
    while (k > 0 && a <= b) {
        const size_t half = std::max<size_t>(1, (b - a + 1) / 2);
        if (k == 1) {
            e[a + half - 1] += sign;
            return;
        }
        spread(e, a, a + half - 1, k / 2, sign);
        k -= k / 2;
        a += half;
    }
}

}  // namespace

void distributePixels(std::span<int64_t> entries, int64_t extra) {
    if (entries.empty() || extra == 0) return;
    const auto count = static_cast<int64_t>(entries.size());
    const int64_t each = extra / count;
    if (each != 0)
        for (int64_t& e : entries) e += each;
    const int64_t rest = extra - each * count;
    if (rest != 0) spread(entries, 0, entries.size() - 1, rest < 0 ? -rest : rest, rest < 0 ? -1 : 1);
}

}  // namespace lumaro
