#pragma once
// TFrame, the owner-drawn container with a caption header in one of nine styles. The
// settings panel Fram is one, in style 5.
#include <windows.h>

#include "app/controls/frame_painter.h"
#include "core/controls/frame_geometry.h"
#include "core/controls/frame_properties.h"

namespace tavo {

// Resize and Paint go to the container as WM_COMMAND codes with the control's id (lParam:
// the control's window).
inline constexpr WORD kFrameResized = 1;
inline constexpr WORD kFramePainted = 2;

// MouseMove, sent to the container at every move over the control itself (not over its
// children). wParam: low word the MK_* state (buttons, Shift, Ctrl; Alt is
// GetKeyState(VK_MENU) while handling it, as the message is sent), high word the
// control's id. lParam: the point in the control's client area, as in WM_MOUSEMOVE
// (GET_X_LPARAM, GET_Y_LPARAM).
inline constexpr UINT kFrameMouseMove = WM_APP + 0x100;

class TFrame {
public:
    TFrame() = default;
    TFrame(const TFrame&) = delete;
    TFrame& operator=(const TFrame&) = delete;

    // Creates the control (a newly placed one, named `name`); false on failure.
    bool Create(HWND parent, HINSTANCE instance, int id, const wchar_t* name);
    HWND Handle() const { return window_; }

    // Colours as set: a colour or a system colour reference (0x800000nn), translated at
    // every paint.
    const FrameProperties& Properties() const { return p_; }
    void SetStyle(std::int32_t style);
    void SetThemeColor(std::int32_t theme);
    // Passed on to every contained control, also to those created while disabled.
    void SetEnabled(bool enabled);
    // The header's icon. Not owned: the caller keeps it valid while it is set (null: none).
    void SetPicture(HICON picture);
    HICON Picture() const { return picture_; }
    // Any other property (the font comes with WM_SETFONT): changed through the callback,
    // then the window region and the face follow.
    template <class Edit>
    void Change(Edit&& change) {
        change(p_);
        Refresh();
    }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void EnforceMinimumSize(WINDOWPOS& position) const;
    void Notify(WORD code) const;
    void NotifyMouseMove(WPARAM keys, LPARAM point) const;
    void Refresh();
    void UpdateRegion();
    void Paint();
    FrameProperties Shown() const;
    FrameWorkingColours WorkingColours(const FrameProperties& shown) const;
    LRESULT ChildColours(HDC dc) const;

    HWND window_ = nullptr;
    FrameProperties p_;
    HFONT font_ = nullptr;       // the container's, not owned
    HICON picture_ = nullptr;    // not owned
    SIZE captionSize_{};
    int regionCorner_ = 0;       // the window region set last: 0 none
    SIZE regionSize_{};
};

}  // namespace tavo
