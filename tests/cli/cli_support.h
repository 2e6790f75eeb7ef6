#pragma once
// Running lumaro-cli from tests.
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "support/oracle.h"

namespace lumaro::testing {

// `s` as one word of a POSIX shell command.
inline std::string shellQuote(const std::string& s) {
    std::string out = "'";
    for (char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

// LUMARO_BIN_DIR names the directory of the binaries.
inline std::string cliPath() {
    const char* dir = std::getenv("LUMARO_BIN_DIR");
    return std::string(dir ? dir : ".") + "/lumaro-cli";
}

// lumaro-cli with the given words; standard error is dropped.
inline std::string runCli(const std::vector<std::string>& words, int* status = nullptr) {
    std::string cmd = shellQuote(cliPath());
    for (const auto& w : words) cmd += " " + shellQuote(w);
    return runCommand(cmd + " 2>/dev/null", status);
}

// The "key: value" lines of an output.
inline std::map<std::string, std::string> keyValues(const std::string& out) {
    std::map<std::string, std::string> kv;
    size_t pos = 0;
    while (pos < out.size()) {
        size_t end = out.find('\n', pos);
        if (end == std::string::npos) end = out.size();
        const std::string line = out.substr(pos, end - pos);
        const size_t colon = line.find(": ");
        if (colon != std::string::npos) kv[line.substr(0, colon)] = line.substr(colon + 2);
        pos = end + 1;
    }
    return kv;
}

// GS1 check digit (weights 3 and 1 from the right), as the GS1 General Specifications give it.
inline char gs1CheckDigit(const std::string& digits) {
    int sum = 0, weight = 3;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it, weight = 4 - weight) sum += (*it - '0') * weight;
    return static_cast<char>('0' + (10 - sum % 10) % 10);
}

}  // namespace lumaro::testing
