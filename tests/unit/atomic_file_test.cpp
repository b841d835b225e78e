// The atomic file writer on a real disk: natively and, as tavo_tests.exe, under Windows.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "case_names.h"
#include "platform/atomic_file.h"

namespace tavo {
namespace {

namespace fs = std::filesystem;

fs::path FromUtf8(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string Utf8Of(const fs::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

class AtomicFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::replace(name.begin(), name.end(), '/', '_');  // parameterised tests' names
        dir_ = fs::temp_directory_path() / ("tavo_atomic_" + name);
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string At(const std::string& name) const { return Utf8Of(dir_ / FromUtf8(name)); }
    void Put(const std::string& name, const std::string& bytes) const {
        std::ofstream(dir_ / FromUtf8(name), std::ios::binary) << bytes;
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(dir_ / FromUtf8(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir_))
            names.push_back(Utf8Of(entry.path().filename()));
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path dir_;
};

struct Replacement {
    const char* name;
    std::string file;
    std::optional<std::string> old;  // no file before when empty
    std::string bytes;
};

void PrintTo(const Replacement& c, std::ostream* out) { *out << c.name; }

class AtomicFileWrites : public AtomicFileTest,
                         public ::testing::WithParamInterface<Replacement> {};

TEST_P(AtomicFileWrites, LeavesExactlyTheNewBytesAndNoTemporaryFile) {
    const Replacement& c = GetParam();
    if (c.old) Put(c.file, *c.old);
    const FileWriteResult result = ReplaceFileAtomically(At(c.file), c.bytes);
    EXPECT_TRUE(result.ok) << result.error;
    EXPECT_EQ(Read(c.file), c.bytes);
    EXPECT_EQ(Names(), std::vector<std::string>{c.file});
}

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    Targets, AtomicFileWrites,
    ::testing::Values(
        Replacement{"new_file", "a.gmx", std::nullopt, "abc"},
        // Line ends, NUL and Ctrl-Z go through untouched: the file is binary.
        Replacement{"longer_old_file", "a.gmx", "a much longer old content",
                    "x\r\ny\nz\0\x1a"s},
        Replacement{"empty_content", "a.gmx", "old", ""},
        Replacement{"chinese_name", "脚本 一.gmx", "old", "中文"}),
    case_names::ByName{});

TEST_F(AtomicFileTest, FailedReplaceKeepsTheTargetAndRemovesTheTemporaryFile) {
    // A folder cannot be replaced by a file, yet its own folder takes the temporary file.
    fs::create_directory(dir_ / "a.gmx");
    Put("a.gmx/inside.gmx", "old");
    const FileWriteResult result = ReplaceFileAtomically(At("a.gmx"), "new");
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.error.starts_with("cannot replace \"" + At("a.gmx") + "\": "))
        << result.error;
    EXPECT_EQ(Names(), std::vector<std::string>{"a.gmx"});
    EXPECT_EQ(Read("a.gmx/inside.gmx"), "old");
}

}  // namespace
}  // namespace tavo
