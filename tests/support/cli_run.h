#pragma once
// Running lumaro-cli from a test, with its exit status and everything it printed.
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace lumaro::testing {

struct CliRun {
    int status = -1;
    std::string output;  // stdout and stderr
};

inline std::string cliPath() {
    const char* dir = std::getenv("LUMARO_BIN_DIR");
    return std::string(dir ? dir : LUMARO_BINARY_DIR "/bin") + "/lumaro-cli";
}

// `args` is passed through the shell as it is.
inline CliRun runCli(const std::string& args) {
    CliRun r;
    FILE* p = popen((cliPath() + " " + args + " 2>&1").c_str(), "r");
    if (!p) return r;
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, p)) > 0) r.output.append(buf, n);
    const int status = pclose(p);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

}  // namespace lumaro::testing
