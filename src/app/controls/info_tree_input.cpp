#include "app/controls/info_tree_input.h"

#include <windowsx.h>

#include <cstdlib>

#include "app/shared/guarded.h"
#include "platform/win32/code_page.h"

namespace tavo {
namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr UINT_PTR kEditTimer = 0x7A01;  // clear of the control's own timers

// The dragged node's caption on a small image, since the control's own drag image is
// not to be had everywhere.
UniqueImageList MakeDragImage(HWND tree, const std::string& caption) {
    const std::wstring text = Utf8ToWide(caption);
    WindowDc screen(tree);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(tree, WM_GETFONT, 0, 0));
    UniqueMemoryDc dc(CreateCompatibleDC(screen.Get()));
    std::optional<SelectionGuard> selectedFont;
    if (font) selectedFont.emplace(dc.Get(), font);
    SIZE extent{};
    GetTextExtentPoint32W(dc.Get(), text.c_str(), static_cast<int>(text.size()), &extent);
    const int width = extent.cx + 8, height = extent.cy + 4;
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    {
        SelectionGuard selected(dc.Get(), bitmap.Get());
        RECT all{0, 0, width, height};
        FillRect(dc.Get(), &all, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetBkMode(dc.Get(), TRANSPARENT);
        SetTextColor(dc.Get(), GetSysColor(COLOR_HIGHLIGHTTEXT));
        TextOutW(dc.Get(), 4, 2, text.c_str(), static_cast<int>(text.size()));
    }
    UniqueImageList list(ImageList_Create(width, height, ILC_COLOR24, 1, 0));
    ImageList_Add(list.Get(), bitmap.Get(), nullptr);
    return list;
}

std::optional<MouseButton> ButtonOf(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN: case WM_LBUTTONDBLCLK: case WM_LBUTTONUP: return MouseButton::Left;
        case WM_RBUTTONDOWN: case WM_RBUTTONDBLCLK: case WM_RBUTTONUP: return MouseButton::Right;
        case WM_MBUTTONDOWN: case WM_MBUTTONDBLCLK: case WM_MBUTTONUP: return MouseButton::Middle;
        default: return std::nullopt;
    }
}

}  // namespace

bool InfoTreeInput::Attach(HWND tree) {
    tree_ = tree;
    return SetWindowSubclass(tree, Proc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

LRESULT CALLBACK InfoTreeInput::Proc(HWND tree, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR self) {
    if (message == WM_NCDESTROY) RemoveWindowSubclass(tree, Proc, id);
    auto* input = reinterpret_cast<InfoTreeInput*>(self);
    const auto result = Guarded("tree input", [&] { return input->Handle(message, wParam, lParam); });
    if (result && *result) return **result;
    return DefSubclassProc(tree, message, wParam, lParam);
}

std::optional<LRESULT> InfoTreeInput::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    switch (message) {
        case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
            Press(*ButtonOf(message), at, false);
            return 0;
        case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK:
            Press(*ButtonOf(message), at, true);
            return 0;
        case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
            Release(*ButtonOf(message), at);
            return 0;
        case WM_MOUSEMOVE:
            if (!pressed_) return std::nullopt;
            Move(at);
            return 0;
        case WM_CAPTURECHANGED:
            if (releasing_ || !pressed_) return std::nullopt;
            if (dragging_) EndDrag(at, true);
            pressed_.reset();
            return std::nullopt;
        case WM_KEYDOWN:
            if (wParam != VK_ESCAPE || !dragging_) return std::nullopt;
            EndDrag(at, true);
            return 0;
        case TVM_EXPAND: {
            // Ours (a click) or another program's: either way only what is shown changes.
            toggling_ = true;
            const LRESULT result = DefSubclassProc(tree_, message, wParam, lParam);
            toggling_ = false;
            events_.TreeToggled();
            return result;
        }
        case WM_TIMER:
            if (wParam != kEditTimer) return std::nullopt;
            KillTimer(tree_, kEditTimer);
            if (const HTREEITEM item = view_.ItemOf(view_.SelectedKey()); item && view_.Editable())
                SendMessageW(tree_, TVM_EDITLABELW, 0, reinterpret_cast<LPARAM>(item));
            return 0;
        default: return std::nullopt;
    }
}

// A left press on a node's +/- button, or a double click on the node, expands or
// collapses it, as in any tree.
void InfoTreeInput::Press(MouseButton button, POINT at, bool doubleClick) {
    KillTimer(tree_, kEditTimer);
    if (pressed_) return;  // a second button while one is held belongs to the first
    SetFocus(tree_);
    UINT flags = 0;
    pressedNode_ = view_.HitTest(at, &flags);
    // A double click is no second click on the caption: it edits nothing.
    pressedOnSelected_ = !doubleClick && pressedNode_ && *pressedNode_ == view_.SelectedKey();
    if (button == MouseButton::Left && (flags & (TVHT_ONITEMBUTTON | (doubleClick ? TVHT_ONITEM : 0)))) {
        TVHITTESTINFO hit{at, 0, nullptr};
        SendMessageW(tree_, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        SendMessageW(tree_, TVM_EXPAND, TVE_TOGGLE, reinterpret_cast<LPARAM>(hit.hItem));
    }
    pressed_ = button;
    pressedAt_ = at;
    SetCapture(tree_);
    events_.TreePressed(pressedNode_);
}

void InfoTreeInput::Move(POINT at) {
    if (dragging_) {
        const POINT p = InLockWindow(at);
        ImageList_DragMove(p.x, p.y);
        ReportDragOver(at);
        return;
    }
    const bool moved = std::abs(at.x - pressedAt_.x) > GetSystemMetrics(SM_CXDRAG) ||
                     std::abs(at.y - pressedAt_.y) > GetSystemMetrics(SM_CYDRAG);
    if (*pressed_ == MouseButton::Left && moved && pressedNode_ && view_.Editable()) BeginDrag(at);
}

// The drag image is drawn on the tree; its positions are relative to the tree's frame.
POINT InfoTreeInput::InLockWindow(POINT at) const {
    POINT screen = at;
    ClientToScreen(tree_, &screen);
    RECT window{};
    GetWindowRect(tree_, &window);
    return {screen.x - window.left, screen.y - window.top};
}

void InfoTreeInput::BeginDrag(POINT at) {
    dragging_ = true;
    wchar_t text[64] = {};
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.hItem = view_.ItemOf(*pressedNode_);
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(tree_, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    dragImage_ = MakeDragImage(tree_, WideToUtf8(text));
    ImageList_BeginDrag(dragImage_.Get(), 0, -8, -8);
    const POINT p = InLockWindow(at);
    ImageList_DragEnter(tree_, p.x, p.y);
    ReportDragOver(at);
}

// The highlight is drawn while the drag image is hidden, so no trace of it stays behind.
void InfoTreeInput::ReportDragOver(POINT at) {
    POINT screen = at;
    ClientToScreen(tree_, &screen);
    const bool inside = WindowFromPoint(screen) == tree_;
    ImageList_DragShowNolock(FALSE);
    events_.TreeDragOver(inside ? view_.HitTest(at) : std::nullopt, inside);
    UpdateWindow(tree_);  // painted now, not over the image later
    ImageList_DragShowNolock(TRUE);
}

void InfoTreeInput::EndDrag(POINT at, bool cancelled) {
    dragging_ = false;
    ImageList_DragLeave(tree_);
    ImageList_EndDrag();
    dragImage_ = UniqueImageList();
    pressed_.reset();
    releasing_ = true;
    ReleaseCapture();
    releasing_ = false;
    POINT screen = at;
    ClientToScreen(tree_, &screen);
    events_.TreeDropped(screen, cancelled);
}

void InfoTreeInput::Release(MouseButton button, POINT at) {
    if (!pressed_ || *pressed_ != button) return;
    if (dragging_) {
        EndDrag(at, false);
        return;
    }
    pressed_.reset();
    releasing_ = true;
    ReleaseCapture();
    releasing_ = false;
    UINT flags = 0;
    const auto node = view_.HitTest(at, &flags);
    events_.TreeReleased(button, node, at);
    // A second click on the label of the node that stays selected edits its caption, as
    // in any tree; the delay leaves room for a double click.
    if (button == MouseButton::Left && pressedOnSelected_ && node && (flags & TVHT_ONITEMLABEL) &&
        *node == view_.SelectedKey() && view_.Editable())
        SetTimer(tree_, kEditTimer, GetDoubleClickTime(), nullptr);
}

}  // namespace tavo
