#include "app/controls/info_tree_view.h"

#include <unordered_set>

#include "app/main/app_images.h"
#include "platform/win32/code_page.h"

namespace tavo {
namespace {

HTREEITEM InsertNode(HWND tree, HTREEITEM parent, const ScriptNode& node) {
    const std::wstring caption = Utf8ToWide(node.caption);
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<wchar_t*>(caption.c_str());
    insert.item.iImage = insert.item.iSelectedImage = TreeImageIndex(node.icon);
    return reinterpret_cast<HTREEITEM>(
        SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

// Marks the view's own changes of the control for the time they take.
class UpdatingScope {
public:
    explicit UpdatingScope(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
    ~UpdatingScope() { flag_ = was_; }
    UpdatingScope(const UpdatingScope&) = delete;
    UpdatingScope& operator=(const UpdatingScope&) = delete;

private:
    bool& flag_;
    bool was_;
};

}  // namespace

bool InfoTreeView::IsExpanded(HTREEITEM item) const {
    const LRESULT state =
        SendMessageW(tree_, TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED);
    return (state & TVIS_EXPANDED) != 0;
}

void InfoTreeView::Rebuild(const ScriptTree& tree) {
    const UpdatingScope scope(updating_);
    std::unordered_set<std::string> expanded;
    for (const auto& [key, item] : items_)
        if (IsExpanded(item)) expanded.insert(key);

    SendMessageW(tree_, WM_SETREDRAW, FALSE, 0);
    items_.clear();
    SendMessageW(tree_, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    // Pre-order puts every parent before its children, in display order.
    for (const ScriptNode* node : tree.PreOrder()) {
        const HTREEITEM parent = node->parent ? items_.at(node->parent->key) : TVI_ROOT;
        items_[node->key] = InsertNode(tree_, parent, *node);
    }
    for (const std::string& key : expanded) {
        auto found = items_.find(key);
        if (found != items_.end())
            SendMessageW(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(found->second));
    }
    SendMessageW(tree_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(tree_, nullptr, TRUE);
}

bool InfoTreeView::Shows(HTREEITEM item) const {
    for (HTREEITEM parent = TreeView_GetParent(tree_, item); parent; parent = TreeView_GetParent(tree_, parent))
        if (!IsExpanded(parent)) return false;
    return true;
}

void InfoTreeView::ShowSelection() {
    const UpdatingScope scope(updating_);
    const HTREEITEM item = ItemOf(selectedKey_);
    const HTREEITEM shown = item && Shows(item) ? item : nullptr;
    if (TreeView_GetSelection(tree_) != shown)
        SendMessageW(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(shown));
}

void InfoTreeView::ExpandAll() {
    const UpdatingScope scope(updating_);
    for (const auto& [key, item] : items_)
        SendMessageW(tree_, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
}

void InfoTreeView::Select(const std::string& key) {
    const UpdatingScope scope(updating_);
    const HTREEITEM item = ItemOf(key);
    selectedKey_ = item ? key : std::string();
    SendMessageW(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    if (item) SendMessageW(tree_, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
}

LRESULT InfoTreeView::CustomDraw(NMTVCUSTOMDRAW& draw) const {
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT || !(draw.nmcd.uItemState & CDIS_SELECTED) ||
        GetFocus() == tree_)
        return CDRF_DODEFAULT;
    draw.clrText = GetSysColor(COLOR_HIGHLIGHTTEXT);
    draw.clrTextBk = GetSysColor(COLOR_HIGHLIGHT);
    return CDRF_NEWFONT;
}

void InfoTreeView::SetEditable(bool editable) {
    editable_ = editable;
    LONG_PTR style = GetWindowLongPtrW(tree_, GWL_STYLE);
    style = editable ? (style | TVS_EDITLABELS) & ~static_cast<LONG_PTR>(TVS_DISABLEDRAGDROP)
                     : (style & ~static_cast<LONG_PTR>(TVS_EDITLABELS)) | TVS_DISABLEDRAGDROP;
    SetWindowLongPtrW(tree_, GWL_STYLE, style);
}


void InfoTreeView::SetDropHighlight(const std::string& key) {
    const UpdatingScope scope(updating_);
    SendMessageW(tree_, TVM_SELECTITEM, TVGN_DROPHILITE, reinterpret_cast<LPARAM>(ItemOf(key)));
}

HTREEITEM InfoTreeView::ItemOf(const std::string& key) const {
    const auto found = items_.find(key);
    return found == items_.end() ? nullptr : found->second;
}

std::optional<std::string> InfoTreeView::KeyOf(HTREEITEM item) const {
    if (!item) return std::nullopt;
    for (const auto& [key, it] : items_)
        if (it == item) return key;
    return std::nullopt;
}

std::optional<std::string> InfoTreeView::HitTest(POINT client, UINT* flags) const {
    TVHITTESTINFO hit{};
    hit.pt = client;
    SendMessageW(tree_, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
    if (flags) *flags = hit.flags;
    if (!(hit.flags & TVHT_ONITEM)) return std::nullopt;
    return KeyOf(hit.hItem);
}

}  // namespace tavo
