#pragma once
// Reading another process's TreeView: item texts through TVM_GETITEMW with the item
// record and its text buffer in the owner's memory.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e {

struct TreeItem {
    int depth = 0;  // 0 for a top-level item
    std::wstring text;
    bool operator==(const TreeItem&) const = default;
};

// TVM_GETCOUNT; nullopt when the tree does not answer.
std::optional<size_t> TreeItemCount(HWND tree);
// Every item in display pre-order (collapsed or not); empty when the tree cannot be read.
std::vector<TreeItem> ReadTreeItems(HWND tree);
// The texts of the items that show when scrolled to (every ancestor expanded), in order.
std::vector<std::wstring> ExpandedItemTexts(HWND tree);
std::string Describe(const std::vector<TreeItem>& items);

}  // namespace e2e
