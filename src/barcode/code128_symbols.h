#pragma once
// The symbol characters of Code 128 and the builder that every Code 128 encoder uses: start
// symbol, data symbols with their weighted sum, check symbol and stop.
#include <cstdint>
#include <string>
#include <string_view>

namespace lumaro::barcode::code128 {

enum class CodeSet : uint8_t { A, B, C };

// Symbol values that are no data characters.
inline constexpr int kShift = 98;  // in sets A and B: the next character is of the other set
inline constexpr int kCodeC = 99;  // latch to set C (from A or B)
inline constexpr int kCodeB = 100; // latch to set B (from A or C)
inline constexpr int kCodeA = 101; // latch to set A (from B or C)
inline constexpr int kFnc1 = 102;  // in every set

int startValue(CodeSet set);  // 103, 104, 105
// Value of the latch from any other set to `set`.
int latchValue(CodeSet set);

// ASCII characters of each set: A holds 0 to 95, B holds 32 to 127.
bool inSet(char32_t c, CodeSet set);
// Value of a character of the set (`inSet` must hold): A 32..95 are 0..63 and 0..31 are
// 64..95; B 32..127 are 0..95.
int charValue(char32_t c, CodeSet set);

// Width digits (bar, space, ... in modules) of the symbols, collected with the weighted sum
// of the check symbol.
class SymbolBuilder {
public:
    explicit SymbolBuilder(int startValue, size_t expectedSymbols = 0);
    void add(int value);
    // The element pattern: the symbols, the check symbol (sum mod 103) and the stop.
    std::string finish();

private:
    std::string digits_;
    int64_t sum_;
    int64_t position_ = 1;
};

}  // namespace lumaro::barcode::code128
