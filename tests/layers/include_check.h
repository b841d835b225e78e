#pragma once
// Every quoted include of a source tree held against the layers table.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "layer_table.h"

namespace tavo::layers {

struct CheckReport {
    int includesChecked = 0;
    // One line each, sorted by file and line:
    //   src/core/model/a.h:4: core/model may not include core/runner ("core/runner/b.h")
    std::vector<std::string> violations;
};

// The text between the quotes of an `#include "..."` line; nothing for any other line.
std::optional<std::string> QuotedInclude(std::string_view line);

// Walks the .h .hpp .c .cc .cpp .inl and .rc files below srcRoot. Paths in the report
// start with srcRoot's own name ("src/...").
CheckReport CheckTree(const LayerTable& table, const std::filesystem::path& srcRoot);

}  // namespace tavo::layers
