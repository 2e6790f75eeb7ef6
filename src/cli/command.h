#pragma once
// Command groups of lumaro-cli ("barcode", "template", "script", ...). A group registers
// itself from its own source file with a static CliRegistrar.
#include <string>
#include <vector>

namespace lumaro::cli {

struct CliCommand {
    std::string name;   // first word on the command line
    std::string usage;  // one or more lines, shown by "lumaro-cli help"
    // Receives the words after the name; returns the exit status.
    int (*run)(const std::vector<std::string>& args);
};

const std::vector<CliCommand>& commands();

struct CliRegistrar {
    explicit CliRegistrar(CliCommand command);
};

}  // namespace lumaro::cli
