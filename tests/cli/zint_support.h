#pragma once
// zint (Debian zint 2.11) as the oracle for bar patterns.
#include <cctype>
#include <string>
#include <vector>

#include "cli_support.h"

namespace lumaro::testing {

// Rows of `zint --dump`: hexadecimal digits, four modules each, the last one padded with
// zeros. Both codes end with a bar, so trailing zeros are dropped.
inline std::vector<std::string> zintRows(int type, const std::string& data, const std::vector<std::string>& options) {
    std::string cmd = "zint --dump -b " + std::to_string(type);
    for (const auto& o : options) cmd += " " + shellQuote(o);
    cmd += " -d " + shellQuote(data) + " 2>&1";
    const std::string out = runCommand(cmd);
    std::vector<std::string> rows;
    std::string row;
    for (char ch : out + "\n") {
        if (ch == '\n') {
            while (!row.empty() && row.back() == '0') row.pop_back();
            if (!row.empty()) rows.push_back(row);
            row.clear();
        } else if (std::isxdigit(static_cast<unsigned char>(ch))) {
            const int v = std::isdigit(static_cast<unsigned char>(ch)) ? ch - '0' : std::tolower(ch) - 'a' + 10;
            for (int bit = 3; bit >= 0; --bit) row += (v >> bit) & 1 ? '1' : '0';
        } else if (ch != ' ') {
            return {"zint: " + out};
        }
    }
    return rows;
}

inline std::string stripZeros(std::string s) {
    while (!s.empty() && s.back() == '0') s.pop_back();
    return s;
}

}  // namespace lumaro::testing
