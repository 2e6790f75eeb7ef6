#pragma once
// Spreading whole extra pixels over a row of advances (characters of a line, lines of a block),
// evenly and always at the same places, so that the row has exactly the length it must have.
#include <cstdint>
#include <span>

namespace lumaro {

// Adds `extra` pixels (of either sign) to `entries`: each entry gets extra div count, and the
// remaining pixels go one each to the middle entry of the row, then recursively to the middles
// of its two halves (the first half taking the smaller share).
void distributePixels(std::span<int64_t> entries, int64_t extra);

}  // namespace lumaro
