#pragma once
// Independent oracle programs (zint, zbarimg, ZXingReader, fpc, xmllint, CUPS) that tests
// compare our results with. Outside CI a missing program skips the test; with CI=true it
// fails, so a broken environment never passes silently.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace lumaro::testing {

inline bool programExists(const std::string& name) {
    const std::string cmd = "command -v '" + name + "' >/dev/null 2>&1";
    return std::system(cmd.c_str()) == 0;
}

inline bool inCi() {
    const char* ci = std::getenv("CI");
    return ci && std::string(ci) == "true";
}

// Runs a shell command and returns its standard output; `status` receives the exit status.
inline std::string runCommand(const std::string& cmd, int* status = nullptr) {
    std::string out;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) {
        if (status) *status = -1;
        return out;
    }
    std::array<char, 4096> buf;
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) out.append(buf.data(), n);
    const int rc = pclose(p);
    if (status) *status = WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
    return out;
}

}  // namespace lumaro::testing

// Use at the top of a test: skips locally, fails in CI, when the program is missing.
#define LUMARO_REQUIRE_ORACLE(program)                                                       \
    do {                                                                                     \
        if (!::lumaro::testing::programExists(program)) {                                    \
            if (::lumaro::testing::inCi()) FAIL() << "oracle program missing: " << program;  \
            GTEST_SKIP() << "oracle program missing: " << program;                           \
        }                                                                                    \
    } while (0)
