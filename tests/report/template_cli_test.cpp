// lumaro-cli template check / resave, run as a program.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/cli_run.h"

using namespace lumaro::testing;

namespace {

class TemplateCli : public ::testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(cliPath())) GTEST_SKIP() << "lumaro-cli is not built (GUI off)";
        dir = std::filesystem::temp_directory_path() / ("lumaro-cli-test-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
    }
    void TearDown() override { std::filesystem::remove_all(dir); }
    std::string write(const std::string& name, const std::string& text) {
        const auto path = (dir / name).string();
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }
    std::filesystem::path dir;
    const std::string example = std::string(LUMARO_SOURCE_DIR) + "/examples/koda.fr3";
};

}  // namespace

TEST_F(TemplateCli, CheckReportsErrorsAndNamesTheFile) {
    const CliRun good = runCli("template check " + example);
    EXPECT_EQ(good.status, 0) << good.output;

    const std::string bad = write("bad.fr3", "<?xml version=\"1.0\"?><TfrxReport Name=\"\"><TfrxWidget/></TfrxReport>");
    const CliRun r = runCli("template check " + bad);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.output.find(bad + ": Ne najdem class-a TfrxWidget"), std::string::npos) << r.output;

    for (const char* text : {"<?xml version=\"1.0\"?><variables/>", "no xml at all", ""}) {
        const std::string notTemplate = write("other.fr3", text);
        const CliRun n = runCli("template check " + notTemplate);
        EXPECT_EQ(n.status, 1) << text;
        EXPECT_NE(n.output.find(notTemplate + ": "), std::string::npos) << n.output;
    }
}

TEST_F(TemplateCli, ResaveWritesTheSameTemplate) {
    const std::string out = (dir / "copy.fr3").string();
    const CliRun r = runCli("template resave " + example + " " + out);
    ASSERT_EQ(r.status, 0) << r.output;
    std::ifstream a(example, std::ios::binary), b(out, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(a), {}), std::string(std::istreambuf_iterator<char>(b), {}));

    const std::string bad = write("bad.fr3", "<?xml version=\"1.0\"?><TfrxReport Name=\"\"><TfrxWidget/></TfrxReport>");
    EXPECT_EQ(runCli("template resave " + bad + " " + out).status, 1);
    EXPECT_EQ(runCli("template resave " + bad + " " + out + " --force").status, 0);
}
