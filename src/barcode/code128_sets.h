#pragma once
// The shortest Code 128 symbol for a sequence of ASCII characters and FNC1: the code sets
// (A, B, C), where to latch between them and where one character of the other set is better
// written after a shift, chosen by dynamic programming over the positions and sets.
#include <vector>

namespace lumaro::barcode::code128 {

// An item of the data: an ASCII character (0 to 127) or FNC1.
inline constexpr int kFnc1Item = -1;

// Symbol values of the shortest encoding of `items`: the start symbol first, then data,
// shifts and latches; without the check symbol and the stop. Among encodings of equal length
// the one with the fewest latches and shifts is taken, and of those the first in the order
// set B, set A, set C at each step. Every item must be an ASCII character or kFnc1Item.
std::vector<int> shortestValues(const std::vector<int>& items);

}  // namespace lumaro::barcode::code128
