#pragma once
// InfoTree: a picture of the core's Script tree. It is rebuilt from the tree, never read
// back; selection is applied from the view-model.
#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>
#include <unordered_map>

#include "core/model/script_tree.h"

namespace tavo {

class InfoTreeView {
public:
    void Attach(HWND tree) { tree_ = tree; }
    HWND Handle() const { return tree_; }

    // Replaces all items with the nodes of `tree`; nodes that were expanded stay so.
    void Rebuild(const ScriptTree& tree);
    // Selects the node with `key` and scrolls it into view; an empty or unknown key
    // leaves no node selected.
    void Select(const std::string& key);
    // After a node was expanded or collapsed: the selected node highlighted where it
    // shows, and no node while a collapsed ancestor hides it. The control would otherwise
    // highlight that ancestor, which is not the current Instruction.
    void ShowSelection();
    // Expands every node that has children, so that all nodes show.
    void ExpandAll();
    // In-place caption editing and dragging of nodes.
    void SetEditable(bool editable);
    bool Editable() const { return editable_; }
    // The node drawn as the drop target; empty for none.
    void SetDropHighlight(const std::string& key);

    // The key of the node whose icon or caption lies at a client point, if any.
    std::optional<std::string> HitTest(POINT client, UINT* flags = nullptr) const;
    std::optional<std::string> KeyOf(HTREEITEM item) const;
    HTREEITEM ItemOf(const std::string& key) const;
    const std::string& SelectedKey() const { return selectedKey_; }
    // True while the view changes the control, whose notifications are then its own.
    bool Updating() const { return updating_; }
    // The tree's NM_CUSTOMDRAW: the selected node keeps the highlight without the focus,
    // so the user sees the run walk the tree (the unfocused shade is all but invisible).
    LRESULT CustomDraw(NMTVCUSTOMDRAW& draw) const;

private:
    bool IsExpanded(HTREEITEM item) const;
    bool Shows(HTREEITEM item) const;

    HWND tree_ = nullptr;
    std::unordered_map<std::string, HTREEITEM> items_;
    std::string selectedKey_;
    bool editable_ = true;
    bool updating_ = false;
};

}  // namespace tavo
