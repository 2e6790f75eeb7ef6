// lumaro-cli script run: compiles a script file and runs its main program. ShowMessage
// writes its text as a line on standard output.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/command.h"
#include "core/text.h"
#include "script/script.h"

namespace lumaro::cli {

namespace {

constexpr const char* kUsage =
    "  script run FILE [--language NAME]\n"
    "      compiles and runs a script (PascalScript unless NAME or a first line \"#language NAME\"\n"
    "      says otherwise); a compile error prints FILE:line:column: message and exits 1,\n"
    "      a run-time error prints its message and exits 2";

int run(const std::vector<std::string>& args) {
    std::string file, language = "PascalScript";
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--language" && i + 1 < args.size()) {
            language = args[++i];
        } else if (args[i].rfind("--", 0) == 0 || !file.empty()) {
            std::fprintf(stderr, "usage:\n%s\n", kUsage);
            return 2;
        } else {
            file = args[i];
        }
    }
    if (file.empty()) {
        std::fprintf(stderr, "usage:\n%s\n", kUsage);
        return 2;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "%s: cannot read the file\n", file.c_str());
        return 1;
    }
    std::stringstream text;
    text << in.rdbuf();

    TfsScript script(&fsGlobalUnit());
    script.SetSyntaxType(language);
    script.SetText(toUtf8(text.str()));
    if (!script.Compile()) {
        const std::string where = script.ErrorUnit().empty() ? file : script.ErrorUnit();
        std::fprintf(stderr, "%s:%s: %s\n", where.c_str(), script.ErrorPos().c_str(), script.ErrorMsg().c_str());
        return 1;
    }
    try {
        script.Execute();
    } catch (const std::exception& e) {
        std::fflush(stdout);
        std::fprintf(stderr, "%s\n", e.what());
        return 2;
    }
    std::fflush(stdout);
    return 0;
}

const CliRegistrar registrar({"script", kUsage, run, "run"});

}  // namespace

}  // namespace lumaro::cli
