#pragma once
// The mouse on InfoTree, taken over from the control: presses and releases with their
// button, dragging a node with its image, and the start of a caption edit. The control's
// own clicks would change its selection behind the core's back; here the core decides.
#include <windows.h>

#include <optional>
#include <string>

#include "app/controls/info_tree_view.h"
#include "core/editor/tree_pointer.h"
#include "platform/win32/gdi_handles.h"

namespace tavo {

class TreeInputEvents {
public:
    virtual void TreePressed(const std::optional<std::string>& node) = 0;
    // `at`: the pointer in tree client pixels.
    virtual void TreeReleased(MouseButton button, const std::optional<std::string>& node, POINT at) = 0;
    // A node was expanded or collapsed (also by the view's own rebuilding).
    virtual void TreeToggled() = 0;
    virtual void TreeDragOver(const std::optional<std::string>& node, bool insideTree) = 0;
    // The dragged node was let go at this screen point; `cancelled` when the drag ended
    // without a drop (capture lost, Esc).
    virtual void TreeDropped(POINT screen, bool cancelled) = 0;

protected:
    ~TreeInputEvents() = default;
};

class InfoTreeInput {
public:
    InfoTreeInput(const InfoTreeView& view, TreeInputEvents& events) : view_(view), events_(events) {}
    InfoTreeInput(const InfoTreeInput&) = delete;
    InfoTreeInput& operator=(const InfoTreeInput&) = delete;

    bool Attach(HWND tree);
    // True while a node is expanded or collapsed (TVM_EXPAND, by a click or by another
    // program): a selection the control then moves by itself (off a node a collapse
    // hides) changes only what is shown.
    bool Toggling() const { return toggling_; }

private:
    static LRESULT CALLBACK Proc(HWND tree, UINT message, WPARAM wParam, LPARAM lParam,
                                 UINT_PTR id, DWORD_PTR self);
    std::optional<LRESULT> Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Press(MouseButton button, POINT at, bool doubleClick);
    void Release(MouseButton button, POINT at);
    void Move(POINT at);
    void BeginDrag(POINT at);
    void EndDrag(POINT at, bool cancelled);
    void ReportDragOver(POINT at);
    POINT InLockWindow(POINT at) const;

    const InfoTreeView& view_;
    TreeInputEvents& events_;
    HWND tree_ = nullptr;
    std::optional<MouseButton> pressed_;
    POINT pressedAt_{};
    std::optional<std::string> pressedNode_;
    bool pressedOnSelected_ = false;
    bool dragging_ = false;
    bool releasing_ = false;  // our own ReleaseCapture, not a lost capture
    bool toggling_ = false;
    UniqueImageList dragImage_;
};

}  // namespace tavo
