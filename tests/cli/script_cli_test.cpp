// lumaro-cli script il: the intermediate program of a script, or its first syntax error.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "cli_support.h"

using namespace lumaro::testing;

namespace {

std::string writeScript(const std::string& name, const std::string& text) {
    const std::string file = (std::filesystem::temp_directory_path() / name).string();
    std::ofstream(file) << text;
    return file;
}

TEST(ScriptCli, PrintsTheIntermediateProgramOrTheErrorWithItsPlace) {
    const std::string good = writeScript("lumaro-script-cli-good.pas", "begin\n  x := 1;\nend.\n");
    int status = -1;
    const std::string il = runCli({"script", "il", good}, &status);
    EXPECT_EQ(status, 0);
    EXPECT_NE(il.find("<assignstmt pos=\"2:3\">"), std::string::npos) << il;

    const std::string bad = writeScript("lumaro-script-cli-bad.bas", "x = 1\nFor = 2\n");
    const std::string cmd = shellQuote(cliPath()) + " script il " + shellQuote(bad) + " --language BasicScript";
    const std::string err = runCommand(cmd + " 2>&1 >/dev/null", &status);
    EXPECT_EQ(status, 1);
    EXPECT_NE(err.find(bad + ":2:5: Identifier expected\n"), std::string::npos) << err;
    std::remove(good.c_str());
    std::remove(bad.c_str());
}

}  // namespace
