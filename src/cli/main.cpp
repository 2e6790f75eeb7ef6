#include <QGuiApplication>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "cli/command.h"
#include "platform/qt_font_metrics.h"
#include "report/model/report_host.h"

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

namespace {
// Without a desktop session (a build machine, ssh as root) Qt warns on every start that it has
// no runtime directory. Give it a private one, as a session would, so that the output of the
// commands stays clean; a directory that is not ours or not private is left alone.
void ensureRuntimeDirectory() {
    if (std::getenv("XDG_RUNTIME_DIR")) return;
    const std::string dir = "/tmp/lumaro-runtime-" + std::to_string(getuid());
    mkdir(dir.c_str(), 0700);
    struct stat st {};
    if (lstat(dir.c_str(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != getuid() || (st.st_mode & 0077) != 0)
        return;
    setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
}
}  // namespace

CliRegistrar::CliRegistrar(CliCommand command) { registry().push_back(std::move(command)); }

}  // namespace lumaro::cli

int main(int argc, char** argv) {
    using namespace lumaro::cli;
    // Rendering and font metrics need a GUI application object but never a display.
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    ensureRuntimeDirectory();
    QGuiApplication app(argc, argv);
    // The host of every report the commands make: real font metrics, no windows.
    lumaro::ReportHost host;
    host.fontMetrics = std::make_shared<const lumaro::QtFontMetrics>();
    const lumaro::ScopedProcessHost processHost(std::move(host));

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
