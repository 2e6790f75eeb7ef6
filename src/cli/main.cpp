#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "cli/command.h"

namespace lumaro::cli {

namespace {
std::vector<CliCommand>& registry() {
    static std::vector<CliCommand> list;
    return list;
}

void printUsage(FILE* out) {
    std::fprintf(out, "usage: lumaro-cli COMMAND ...\n\ncommands:\n");
    for (const auto& c : commands()) std::fprintf(out, "%s\n", c.usage.c_str());
    std::fprintf(out, "  help\n");
}
}  // namespace

const std::vector<CliCommand>& commands() { return registry(); }

CliRegistrar::CliRegistrar(CliCommand command) { registry().push_back(std::move(command)); }

}  // namespace lumaro::cli

int main(int argc, char** argv) {
    using namespace lumaro::cli;
    // Rendering and font metrics need a GUI application object but never a display.
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);

    if (argc < 2 || std::string(argv[1]) == "help" || std::string(argv[1]) == "--help") {
        printUsage(argc < 2 ? stderr : stdout);
        return argc < 2 ? 2 : 0;
    }
    const std::string name = argv[1];
    std::vector<std::string> args(argv + 2, argv + argc);
    const CliCommand* command = nullptr;
    for (const auto& c : commands())
        if (c.name == name && !c.subcommand.empty() && !args.empty() && args[0] == c.subcommand) command = &c;
    for (const auto& c : commands())
        if (!command && c.name == name && c.subcommand.empty()) command = &c;
    if (command) {
        if (!command->subcommand.empty()) args.erase(args.begin());
        try {
            return command->run(args);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "lumaro-cli %s: %s\n", name.c_str(), e.what());
            return 1;
        }
    }
    std::fprintf(stderr, "lumaro-cli: unknown command '%s'\n", name.c_str());
    printUsage(stderr);
    return 2;
}
