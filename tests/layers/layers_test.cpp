#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "include_check.h"

namespace tavo::layers {
namespace {
namespace fs = std::filesystem;

std::string ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\n";
    return text;
}

constexpr const char* kTable = R"(# Notes
## Layers
| Folder | May include |
|---|---|
| `platform` | — |
| `core/model` | `core/util`, `platform` |
| `app/*` | `app/*`, `core/*` |
## Next
| `cli` | `app` |
)";

TEST(LayerTable, ReadsFoldersAndWildcards) {
    const auto table = ParseLayerTable(kTable);
    struct Case { const char* from; const char* to; bool allowed; };
    const Case cases[] = {
        {"core/model", "core/util", true},       {"core/model", "core/model", true},
        {"core/model", "core/runner", false},    {"core/model", "core/util/deep", false},
        {"core/model/deep", "core/util", false}, {"platform", "core/util", false},
        {"app/views", "core/model", true},       {"app", "app/views/deep", true},
        {"app", "core", true},                   {"apps", "core/model", false},
        {"cli", "app", false},  // a row after the section's end counts for nothing
    };
    for (const auto& c : cases)
        EXPECT_EQ(table.Allows(c.from, c.to), c.allowed) << c.from << " -> " << c.to;
}

TEST(LayerTable, RefusesWhatItCannotRead) {
    const std::string head = "## Layers\n| Folder | May include |\n|---|---|\n";
    const std::string cases[] = {
        "# no such section\n",        "## Layers\ntext only\n## Next\n",
        head + "| `src/app` | — |\n", head + "| `app*` | — |\n",
        head + "| `app` | platform |\n", head + "| `app` | — |\n| `app` | — |\n"};
    for (const auto& c : cases) EXPECT_THROW(ParseLayerTable(c), std::runtime_error) << c;
}

class PlantedTree : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("tavo_layers_" + std::to_string(::getpid())) / "src";
        for (const char* folder : {"core/util", "core/runner", "platform/win32", "app"})
            fs::create_directories(root_ / folder);
    }
    void TearDown() override { fs::remove_all(root_.parent_path()); }
    void Write(const char* file, const std::vector<std::string>& lines) {
        fs::create_directories((root_ / file).parent_path());
        std::ofstream(root_ / file) << Lines(lines);
    }
    fs::path root_;
};

TEST_F(PlantedTree, NamesFileLineAndFoldersOfEveryWrongInclude) {
    Write("core/model/a.h", {"#pragma once", "#include \"core/util/text.h\"", "#include <vector>",
                             "#  include \"core/runner/run_loop.h\"", "#include \"b.h\""});
    Write("core/model/b.cpp", {"// #include \"app/main/form1.h\"", "#include \"platform/win32/dc.h\""});
    Write("app/views/c.rc", {"#include \"core/version.h\"", "#include \"gen/skin.rc\""});
    const auto report = CheckTree(ParseLayerTable(kTable), root_);
    EXPECT_EQ(report.includesChecked, 6);
    EXPECT_EQ(Lines(report.violations), Lines({
        R"(src/app/views/c.rc:2: app/views includes "gen/skin.rc", which is in no folder under src/)",
        R"(src/core/model/a.h:4: core/model may not include core/runner ("core/runner/run_loop.h"))",
        R"(src/core/model/b.cpp:2: core/model may not include platform/win32 ("platform/win32/dc.h"))",
    }));
}

TEST(RealTree, CoreRoomsNeverReachOutward) {
    const auto table = ParseLayerTable(ReadFile(TAVO_LAYERS_DOC));
    const char* outward[] = {"app", "app/x", "cli", "platform/win32", "platform/posix", "skin",
                             "skin/win32"};
    int coreRows = 0;
    for (const auto& row : table.rows) {
        if (!row.from.folder.starts_with("core/")) continue;
        ++coreRows;
        for (const char* to : outward)
            EXPECT_FALSE(table.Allows(row.from.folder, to)) << row.from.folder << " -> " << to;
    }
    EXPECT_GE(coreRows, 8);
}

TEST(RealTree, EveryIncludeFollowsTheLayers) {
    const auto report = CheckTree(ParseLayerTable(ReadFile(TAVO_LAYERS_DOC)), TAVO_SOURCE_ROOT);
    EXPECT_GT(report.includesChecked, 100);
    EXPECT_TRUE(report.violations.empty())
        << report.violations.size() << " includes break the layers of docs/ARCHITECTURE.md:\n"
        << Lines(report.violations);
}

}  // namespace
}  // namespace tavo::layers
