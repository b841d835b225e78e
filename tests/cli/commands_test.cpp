// Exit status, messages and files left behind by the commands.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "cli/commands.h"
#include "cli/file_io.h"
#include "gmx_bytes.h"

namespace tavo::cli {
namespace {

namespace fs = std::filesystem;

class CommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("tavo_cli_" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Put(const std::string& name, const std::string& bytes) {
        std::ofstream(dir_ / name, std::ios::binary) << bytes;
        return (dir_ / name).string();
    }
    std::string At(const std::string& name) const { return (dir_ / name).string(); }
    std::vector<std::string> Files() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path dir_;
    std::ostringstream out_, err_;
};

const std::string kClean = test::FileOf("Game|400|300|1|0|", test::Numbered(2));

TEST_F(CommandsTest, CheckExitStatus) {
    EXPECT_EQ(RunCheck(Put("clean.gmx", kClean), out_, err_), kExitClean);
    EXPECT_EQ(out_.str(), "");
    EXPECT_EQ(RunCheck(Put("bad.gmx", kClean + "x"), out_, err_), kExitProblems);
    EXPECT_EQ(out_.str(), "record 3: a partial block of 1 bytes at the end: ignored\n");
    EXPECT_EQ(RunCheck(At("missing.gmx"), out_, err_), kExitUsage);
    EXPECT_NE(err_.str().find("cannot open"), std::string::npos);
    EXPECT_EQ(RunCheck(dir_.string(), out_, err_), kExitUsage);
}

TEST_F(CommandsTest, DumpReadsOrFailsWithUsageStatus) {
    EXPECT_EQ(RunDump(Put("a.gmx", kClean), true, out_, err_), kExitClean);
    EXPECT_NE(out_.str().find("\"placed\": 2"), std::string::npos) << out_.str();
    EXPECT_EQ(RunDump(At("missing.gmx"), false, out_, err_), kExitUsage);
}

TEST_F(CommandsTest, ConvertChoosesByEndingInAnyCase) {
    ASSERT_EQ(RunConvert(Put("a.GMX", kClean), At("a.Json"), err_), kExitClean) << err_.str();
    ASSERT_EQ(RunConvert(At("a.Json"), At("b.gmx"), err_), kExitClean) << err_.str();
    EXPECT_EQ(ReadWholeFile(At("b.gmx")), kClean);
    EXPECT_EQ(err_.str(), "");
    EXPECT_EQ(Files(), (std::vector<std::string>{"a.GMX", "a.Json", "b.gmx"}));
}

TEST_F(CommandsTest, ConvertRefusesUnknownOrSameEndings) {
    const std::string in = Put("a.gmx", kClean);
    for (const char* out : {"b.gmx", "b.txt", "b"}) {
        SCOPED_TRACE(out);
        EXPECT_EQ(RunConvert(in, At(out), err_), kExitUsage);
    }
    EXPECT_EQ(Files(), std::vector<std::string>{"a.gmx"});
}

TEST_F(CommandsTest, BadJsonWritesNothingAndKeepsAnOldOutput) {
    const std::string old = Put("out.gmx", "old");
    EXPECT_EQ(RunConvert(Put("in.json", R"({"records": [{"pPause": "x"}]})"), old, err_),
              kExitProblems);
    EXPECT_NE(err_.str().find("records[0].pPause: must be a whole number"), std::string::npos)
        << err_.str();
    EXPECT_EQ(RunConvert(Put("b.json", R"({"records": )"), At("new.gmx"), err_), kExitProblems);
    EXPECT_EQ(ReadWholeFile(old), "old");
    EXPECT_EQ(Files(), (std::vector<std::string>{"b.json", "in.json", "out.gmx"}));
}

TEST_F(CommandsTest, ConvertReplacesAnOldOutputAndWarnsAboutTheScript) {
    const std::string out = Put("out.gmx", "old");
    EXPECT_EQ(RunConvert(Put("in.json", R"({"records": [{"NodeKey": "L1", "NodeParent": "L2"}]})"),
                         out, err_),
              kExitClean);
    EXPECT_EQ(ReadWholeFile(out).size(), 284u);
    EXPECT_NE(err_.str().find("warning: record 1: NodeParent \"L2\" is not defined"),
              std::string::npos)
        << err_.str();
    EXPECT_NE(err_.str().find("warning: record 1: empty Instruction"), std::string::npos)
        << err_.str();
}

TEST_F(CommandsTest, ConvertReportsAnUnwritableOutput) {
    EXPECT_EQ(RunConvert(Put("a.gmx", kClean), At("no-such-folder/a.json"), err_), kExitUsage);
    EXPECT_NE(err_.str().find("cannot create"), std::string::npos) << err_.str();
    EXPECT_EQ(Files(), std::vector<std::string>{"a.gmx"});
}

}  // namespace
}  // namespace tavo::cli
