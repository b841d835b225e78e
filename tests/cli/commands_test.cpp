// Exit status, messages and files left behind by the commands.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>

#include "bmp_bytes.h"
#include "case_names.h"
#include "cli/commands.h"
#include "cli/file_io.h"
#include "gmx_bytes.h"

namespace tavo::cli {
namespace {

namespace fs = std::filesystem;

class CommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '_');  // parameterised tests' names
        dir_ = fs::temp_directory_path() / ("tavo_cli_" + name);
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

// A 12 x 12 image, dark on the left half: the block at (6, 6) is the whole image.
std::string HalfDarkBmp() {
    test::BmpImage image{.width = 12, .height = 12, .bits = 32};
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) image.pixels.push_back(x < 6 ? 0x00101010u : 0x00E0E0E0u);
    return test::BmpFile(image);
}

const std::string kHalfDarkBits = std::string(18, '0') + std::string(18, '1');

struct FingerprintRun {
    const char* name;
    std::string against;  // none when empty
    int status;
    const char* out;  // a part of the output
    const char* err;  // a part of the error output
};

void PrintTo(const FingerprintRun& c, std::ostream* os) { *os << c.name; }

class FingerprintCommand : public CommandsTest,
                           public ::testing::WithParamInterface<FingerprintRun> {};

TEST_P(FingerprintCommand, ExitsByTheComparison) {
    const FingerprintRun& run = GetParam();
    FingerprintQuery query{.x = 6, .y = 6, .base = 1};
    if (!run.against.empty()) query.against = run.against;
    EXPECT_EQ(RunFingerprint(Put("a.bmp", HalfDarkBmp()), query, out_, err_), run.status);
    EXPECT_NE(out_.str().find(run.out), std::string::npos) << out_.str();
    EXPECT_NE(err_.str().find(run.err), std::string::npos) << err_.str();
}

INSTANTIATE_TEST_SUITE_P(
    Statuses, FingerprintCommand,
    ::testing::Values(
        FingerprintRun{"no_comparison", "", kExitClean,
                       "fingerprint: 000000000000000000111111111111111111\n", ""},
        FingerprintRun{"matches", kHalfDarkBits, kExitClean, ": match", ""},
        FingerprintRun{"differs", std::string(18, '1') + std::string(18, '0'), kExitProblems,
                       "0 of 36 positions agree (0%): no match", ""},
        FingerprintRun{"bits_too_short", std::string(35, '0'), kExitUsage, "",
                       "--against needs exactly 36 characters of 0 and 1"},
        FingerprintRun{"bits_not_binary", std::string(35, '0') + "x", kExitUsage, "",
                       "--against needs exactly 36"}),
    case_names::ByName{});

TEST_F(CommandsTest, FingerprintRefusesFilesItCannotRead) {
    const FingerprintQuery query{.x = 6, .y = 6};
    std::string notBmp = HalfDarkBmp();
    notBmp[0] = 'X';
    EXPECT_EQ(RunFingerprint(Put("not.bmp", notBmp), query, out_, err_), kExitUsage);
    EXPECT_NE(err_.str().find("not.bmp: not a BMP file"), std::string::npos) << err_.str();
    EXPECT_EQ(RunFingerprint(At("missing.bmp"), query, out_, err_), kExitUsage);
    EXPECT_NE(err_.str().find("cannot open"), std::string::npos) << err_.str();
    EXPECT_EQ(out_.str(), "");
}

TEST_F(CommandsTest, KeysListsAndSucceeds) {
    EXPECT_EQ(RunKeys("a", 0, out_), kExitClean);
    EXPECT_TRUE(out_.str().starts_with("WM_CHAR       wParam 0x00000061 lParam 0x00000001\n"))
        << out_.str();
}

}  // namespace
}  // namespace tavo::cli
