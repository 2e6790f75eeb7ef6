// lumaro-cli template: checks and re-saves label templates without windows.
#include <cstdio>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/template_loading.h"
#include "report/model/report.h"

namespace lumaro::cli {

namespace {

struct Options {
    std::vector<std::string> files;
    std::string password;
    bool hasPassword = false;
    bool force = false;
};

bool parseOptions(const std::vector<std::string>& args, size_t from, Options& o) {
    for (size_t i = from; i < args.size(); ++i) {
        if (args[i] == "--password" && i + 1 < args.size()) {
            o.password = args[++i];
            o.hasPassword = true;
        } else if (args[i] == "--force") {
            o.force = true;
        } else if (args[i].rfind("--", 0) == 0) {
            std::fprintf(stderr, "lumaro-cli template: unknown option '%s'\n", args[i].c_str());
            return false;
        } else {
            o.files.push_back(args[i]);
        }
    }
    return true;
}

void printErrors(FILE* out, const std::string& file, const TfrxReport& report) {
    for (const std::string& line : report.Errors().lines()) std::fprintf(out, "%s: %s\n", file.c_str(), line.c_str());
}

int check(const Options& o) {
    if (o.files.size() != 1) {
        std::fprintf(stderr, "usage: lumaro-cli template check FILE [--password TEXT]\n");
        return 2;
    }
    const std::string& file = o.files[0];
    TfrxReport report;
    if (!loadTemplate(file, o.hasPassword ? &o.password : nullptr, report)) return 1;
    printErrors(stdout, file, report);
    if (!report.Errors().empty()) {
        std::printf("%s: %d error(s)\n", file.c_str(), report.Errors().Count());
        return 1;
    }
    std::printf("%s: OK, %zu objects\n", file.c_str(), report.AllObjects().size());
    return 0;
}

int resave(const Options& o) {
    if (o.files.size() != 2) {
        std::fprintf(stderr, "usage: lumaro-cli template resave IN OUT [--password TEXT] [--force]\n");
        return 2;
    }
    const std::string& in = o.files[0];
    const std::string& out = o.files[1];
    TfrxReport report;
    if (!loadTemplate(in, o.hasPassword ? &o.password : nullptr, report)) return 1;
    printErrors(stderr, in, report);
    if (!report.Errors().empty() && !o.force) {
        std::fprintf(stderr, "%s: not saved to %s: the template has errors and saving would drop what could not be "
                             "read (--force saves anyway)\n",
                     in.c_str(), out.c_str());
        return 1;
    }
    try {
        report.SaveToFile(out);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", out.c_str(), e.what());
        return 1;
    }
    return 0;
}

int run(const std::vector<std::string>& args) {
    Options o;
    if (args.empty() || !parseOptions(args, 1, o)) {
        std::fprintf(stderr, "usage: lumaro-cli template check FILE | resave IN OUT\n");
        return 2;
    }
    if (args[0] == "check") return check(o);
    if (args[0] == "resave") return resave(o);
    std::fprintf(stderr, "lumaro-cli template: unknown command '%s'\n", args[0].c_str());
    return 2;
}

const CliRegistrar registrar({"template",
                              "  template check FILE [--password TEXT]\n"
                              "      load a template without windows, print its errors (exit status 1 on errors)\n"
                              "  template resave IN OUT [--password TEXT] [--force]\n"
                              "      load a template and save it again (not when it has errors, unless --force)",
                              &run});

}  // namespace

}  // namespace lumaro::cli
