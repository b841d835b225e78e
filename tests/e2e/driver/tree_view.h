#pragma once
// Reading another process's TreeView: item texts through TVM_GETITEMW with the item
// record and its text buffer in the owner's memory, and where an item shows.
#include <windows.h>
#include <commctrl.h>

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

// The first item with this text in display pre-order; nullptr when there is none.
HTREEITEM FindItem(HWND tree, const std::wstring& text);
// The centre of the item's label on the screen (TVM_GETITEMRECT); nullopt when the
// item does not show.
std::optional<POINT> LabelCentre(HWND tree, HTREEITEM item);
// The item's image index in the tree's image list (TVIF_IMAGE); nullopt when unread.
std::optional<int> ItemImage(HWND tree, HTREEITEM item);
// The selected item's text; nullopt when none is selected.
std::optional<std::wstring> SelectedItemText(HWND tree);

}  // namespace e2e
