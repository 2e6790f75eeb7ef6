// lumaro-cli script il: parses a script file with the grammar of its language and prints
// the intermediate program, or the first syntax error as FILE:line:column: message.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/command.h"
#include "core/error.h"
#include "script/parser/il_parser.h"

namespace lumaro::cli {

namespace {

constexpr const char* kUsage =
    "  script il FILE [--language NAME]\n"
    "      parse a script (PascalScript unless NAME or a first line \"#language NAME\" says\n"
    "      otherwise) and print its intermediate program; a syntax error is printed as\n"
    "      FILE:line:column: message with exit status 1";

int run(const std::vector<std::string>& args) {
    std::string file, language = "PascalScript";
    for (size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--language" && i + 1 < args.size()) language = args[++i];
        else if (file.empty() && args[i].rfind("--", 0) != 0) file = args[i];
        else throw Exception("unexpected argument " + args[i] + "\nusage: lumaro-cli\n" + kUsage);
    }
    if (file.empty()) throw Exception(std::string("missing FILE\nusage: lumaro-cli\n") + kUsage);
    std::ifstream in(file, std::ios::binary);
    if (!in) throw Exception("cannot read " + file);
    std::ostringstream text;
    text << in.rdbuf();

    TfsILParser parser;
    parser.SelectLanguage(language);
    // Units named in the script are looked for beside it first, then as named.
    const std::filesystem::path folder = std::filesystem::path(file).parent_path();
    parser.SetOnGetUnit([folder](const std::string& unit, std::string& unitText) {
        std::ifstream f(folder / unit, std::ios::binary);
        if (!f) return false;
        std::ostringstream buf;
        buf << f.rdbuf();
        unitText = buf.str();
        return true;
    });
    TfsXMLDocument il;
    ILError err;
    if (!parser.MakeIL(text.str(), il, err)) {
        std::fprintf(stderr, "%s:%s: %s\n", err.unit.empty() ? file.c_str() : err.unit.c_str(), err.pos.c_str(),
                     err.message.c_str());
        return 1;
    }
    const std::string out = il.SaveToString();
    std::fwrite(out.data(), 1, out.size(), stdout);
    return 0;
}

const CliRegistrar registrar({"script", kUsage, &run, "il"});

}  // namespace

}  // namespace lumaro::cli
