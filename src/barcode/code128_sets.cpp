#include "barcode/code128_sets.h"

#include <array>
#include <climits>
#include <cstdint>

#include "barcode/code128_symbols.h"

namespace lumaro::barcode::code128 {

namespace {
// The order in which sets are tried; among equally good encodings the first one found stays.
constexpr std::array<CodeSet, 3> kSetOrder = {CodeSet::B, CodeSet::A, CodeSet::C};

CodeSet otherOf(CodeSet s) { return s == CodeSet::A ? CodeSet::B : CodeSet::A; }

bool isDigitItem(int item) { return item >= '0' && item <= '9'; }

struct Cost {
    int symbols = INT_MAX;
    int switches = INT_MAX;  // latches and shifts
    bool operator<(const Cost& o) const {
        return symbols < o.symbols || (symbols == o.symbols && switches < o.switches);
    }
};

// Best way found to have encoded the first items and be in a set: the step that got there.
struct Cell {
    Cost cost;
    int8_t from = -1;       // set before the step; -1: the start symbol chose this set
    uint8_t length = 0;     // items the step encoded (2 for a digit pair in set C)
    bool shifted = false;   // the step's character was written after a shift
};

// One encoding step: from `from` to set `to` (latching when they differ), consuming `length`
// items, the character written after a shift when `shifted`.
struct Step {
    CodeSet from, to;
    size_t at, length;
    bool shifted;
};
}  // namespace

std::vector<int> shortestValues(const std::vector<int>& items) {
    const size_t n = items.size();
    std::vector<std::array<Cell, 3>> cells(n + 1);
    for (CodeSet s : kSetOrder) cells[0][static_cast<size_t>(s)].cost = {0, 0};

    const auto relax = [&](size_t at, CodeSet to, Cost cost, CodeSet from, size_t length, bool shifted) {
        Cell& c = cells[at][static_cast<size_t>(to)];
        if (cost < c.cost) c = {cost, static_cast<int8_t>(from), static_cast<uint8_t>(length), shifted};
    };
    for (size_t i = 0; i < n; ++i) {
        const int item = items[i];
        for (CodeSet s : kSetOrder) {
            const Cost here = cells[i][static_cast<size_t>(s)].cost;
            if (here.symbols == INT_MAX) continue;
            for (CodeSet t : kSetOrder) {
                const int latch = t != s ? 1 : 0;
                const Cost plain{here.symbols + latch + 1, here.switches + latch};
                if (item == kFnc1Item) {
                    relax(i + 1, t, plain, s, 1, false);
                } else if (t == CodeSet::C) {
                    if (i + 1 < n && isDigitItem(item) && isDigitItem(items[i + 1])) relax(i + 2, t, plain, s, 2, false);
                } else if (inSet(static_cast<char32_t>(item), t)) {
                    relax(i + 1, t, plain, s, 1, false);
                } else {
                    relax(i + 1, t, {plain.symbols + 1, plain.switches + 1}, s, 1, true);
                }
            }
        }
    }

    CodeSet end = kSetOrder[0];
    for (CodeSet s : kSetOrder)
        if (cells[n][static_cast<size_t>(s)].cost < cells[n][static_cast<size_t>(end)].cost) end = s;

    std::vector<Step> steps;
    CodeSet set = end;
    for (size_t at = n; at > 0;) {
        const Cell& c = cells[at][static_cast<size_t>(set)];
        at -= c.length;
        const auto from = static_cast<CodeSet>(c.from);
        steps.push_back({from, set, at, c.length, c.shifted});
        set = from;
    }

    std::vector<int> values;
    values.reserve(static_cast<size_t>(cells[n][static_cast<size_t>(end)].cost.symbols) + 1);
    values.push_back(startValue(set));
    for (auto it = steps.rbegin(); it != steps.rend(); ++it) {
        if (it->to != it->from) values.push_back(latchValue(it->to));
        const int item = items[it->at];
        if (item == kFnc1Item) {
            values.push_back(kFnc1);
        } else if (it->to == CodeSet::C) {
            values.push_back((item - '0') * 10 + (items[it->at + 1] - '0'));
        } else if (it->shifted) {
            values.push_back(kShift);
            values.push_back(charValue(static_cast<char32_t>(item), otherOf(it->to)));
        } else {
            values.push_back(charValue(static_cast<char32_t>(item), it->to));
        }
    }
    return values;
}

}  // namespace lumaro::barcode::code128
