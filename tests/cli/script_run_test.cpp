// lumaro-cli script run: PascalScript programs give the output Free Pascal gives for the same
// text, the same programs in the other languages give the output of their PascalScript
// originals, and errors end with their exit status and position.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/cli_support.h"
#include "support/oracle.h"
#include "support/temp_dir.h"

namespace lumaro::testing {
namespace {

namespace fs = std::filesystem;

fs::path dataDir() { return fs::path(LUMARO_SOURCE_DIR) / "tests/cli/data"; }

std::string readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<fs::path> filesIn(const fs::path& dir) {
    std::vector<fs::path> out;
    for (const auto& e : fs::directory_iterator(dir)) out.push_back(e.path());
    std::sort(out.begin(), out.end());
    return out;
}

// Standard output of lumaro-cli script run; `errors` receives its standard error without the
// notes Qt may print there.
std::string runScript(const fs::path& file, const std::string& language, int* status,
                      std::string* errors = nullptr) {
    TempDir tmp("stderr");
    std::string cmd = shellQuote(cliPath()) + " script run " + shellQuote(file.string());
    if (!language.empty()) cmd += " --language " + shellQuote(language);
    const std::string out = runCommand(cmd + " 2>" + shellQuote(tmp.file("err")), status);
    if (errors) {
        std::istringstream in(readFile(tmp.file("err")));
        errors->clear();
        for (std::string line; std::getline(in, line);)
            if (line.rfind("QStandardPaths:", 0) != 0) *errors += line + "\n";
    }
    return out;
}

// The script's text as a Free Pascal program: ShowMessage writes its argument as a line the
// way the script library converts it to text.
constexpr const char* kFpcPrelude =
    "{$mode delphi}\n"
    "uses SysUtils;\n"
    "procedure ShowMessage(const s: String); overload; begin WriteLn(s); end;\n"
    "procedure ShowMessage(i: Int64); overload; begin WriteLn(i); end;\n"
    "procedure ShowMessage(d: Double); overload; begin WriteLn(FloatToStr(d)); end;\n"
    "procedure ShowMessage(b: Boolean); overload; begin WriteLn(BoolToStr(b, True)); end;\n";

TEST(ScriptRunCli, PascalProgramsPrintWhatFreePascalPrints) {
    LUMARO_REQUIRE_ORACLE("fpc");
    TempDir tmp("fpc");
    const auto programs = filesIn(dataDir() / "pascal");
    ASSERT_GE(programs.size(), 40u);
    for (const fs::path& p : programs) {
        const std::string name = p.stem().string();
        const std::string src = tmp.file(name + ".pas");
        std::ofstream(src) << kFpcPrelude << readFile(p);
        int status = -1;
        const std::string log = runCommand("cd " + shellQuote(tmp.path().string()) + " && fpc -Mdelphi -v0 -o" +
                                               shellQuote(tmp.file(name)) + " " + shellQuote(src) + " 2>&1",
                                           &status);
        ASSERT_EQ(status, 0) << name << ": fpc failed\n" << log;
        const std::string expected = runCommand(shellQuote(tmp.file(name)) + " 2>&1", &status);
        ASSERT_EQ(status, 0) << name;
        const std::string ours = runScript(p, "", &status);
        EXPECT_EQ(status, 0) << name << "\n" << ours;
        EXPECT_EQ(ours, expected) << name;
    }
}

TEST(ScriptRunCli, OtherLanguagesPrintWhatTheirPascalOriginalsPrint) {
    const struct {
        const char* dir;
        const char* language;
    } languages[] = {{"cpp", "C++Script"}, {"js", "JScript"}, {"basic", "BasicScript"}};
    for (const auto& l : languages) {
        const auto programs = filesIn(dataDir() / l.dir);
        EXPECT_GE(programs.size(), 8u) << l.dir;
        for (const fs::path& p : programs) {
            int status = -1;
            const std::string original = runScript(dataDir() / "pascal" / (p.stem().string() + ".pas"), "", &status);
            ASSERT_EQ(status, 0) << p;
            const std::string ours = runScript(p, l.language, &status);
            EXPECT_EQ(status, 0) << p << "\n" << ours;
            EXPECT_EQ(ours, original) << p;
        }
    }
}

TEST(ScriptRunCli, ErrorsGiveTheirPlaceAndExitStatus) {
    TempDir tmp("script");
    const struct {
        const char* text;
        const char* language;
        int status;
        const char* output;
        const char* errors;  // "%s" stands for the file name
    } cases[] = {
        {"begin\n  x := 1;\nend.", "", 1, "", "%s:2:4: Nenaveden identifikator: 'x'\n"},
        {"begin\n  ShowMessage(1)\n", "", 1, "", "%s:2:17: ';' expected\n"},
        {"var i: Integer;\nbegin ShowMessage('a'); i := 0; i := 1 div i end.", "", 2, "a\n", "Division by zero\n"},
        {"#language JScript\nx = 2; ShowMessage(x * 3);", "", 0, "6\n", ""},
        {"ShowMessage(\"b\");", "JScript", 0, "b\n", ""},
        {"begin end.", "Cobol", 1, "", "lumaro-cli script: Jezik 'Cobol' ni najden\n"},
    };
    int n = 0;
    for (const auto& c : cases) {
        const std::string file = tmp.file("s" + std::to_string(n++) + ".txt");
        std::ofstream(file) << c.text;
        int status = -1;
        std::string errors;
        const std::string out = runScript(file, c.language, &status, &errors);
        std::string expected = c.errors;
        if (size_t at = expected.find("%s"); at != std::string::npos) expected.replace(at, 2, file);
        EXPECT_EQ(status, c.status) << c.text;
        EXPECT_EQ(out, c.output) << c.text;
        EXPECT_EQ(errors, expected) << c.text;
    }
}

}  // namespace
}  // namespace lumaro::testing
