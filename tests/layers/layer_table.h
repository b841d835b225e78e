#pragma once
// The layers of src/: which folder may include which, as the "## Layers" table of
// docs/ARCHITECTURE.md writes them.
#include <string>
#include <string_view>
#include <vector>

namespace tavo::layers {

// A folder of src/ as the table names it: "core/model" is that folder only, "app/*" is
// app and every folder below it.
struct FolderPattern {
    std::string folder;
    bool withSubfolders = false;

    bool Covers(std::string_view other) const;
};

struct LayerRow {
    FolderPattern from;
    std::vector<FolderPattern> allowed;
};

struct LayerTable {
    std::vector<LayerRow> rows;

    // The row a folder follows: the one naming it exactly, else the deepest "X/*" row
    // covering it; nullptr when none does.
    const LayerRow* RowFor(std::string_view folder) const;
    // A folder may always include itself; a folder without a row nothing else.
    bool Allows(std::string_view from, std::string_view to) const;
};

// The first table under the "## Layers" heading. Throws std::runtime_error, naming the
// line, when the heading or the table is missing or a cell names no folder properly.
LayerTable ParseLayerTable(std::string_view markdown);

}  // namespace tavo::layers
