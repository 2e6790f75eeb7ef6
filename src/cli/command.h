#pragma once
// Command groups of lumaro-cli ("barcode", "template", "script", ...). A group registers
// itself from its own source file with a static CliRegistrar.
#include <string>
#include <vector>

namespace lumaro::cli {

struct CliCommand {
    std::string name;   // first word on the command line
    std::string usage;  // one or more lines, shown by "lumaro-cli help"
    // Receives the words after the name (after the subcommand, when one is given); returns
    // the exit status.
    int (*run)(const std::vector<std::string>& args);
    // When not empty, the command runs only for this second word; a group's subcommands can
    // so live in source files of their own. They are tried before the group's own command.
    std::string subcommand = {};
};

const std::vector<CliCommand>& commands();

struct CliRegistrar {
    explicit CliRegistrar(CliCommand command);
};

}  // namespace lumaro::cli
