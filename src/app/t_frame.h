#pragma once
// TFrame, the owner-drawn container with a caption header in one of nine styles, and the
// painter it draws with, which other panels (Fram) use for their own face.
#include <windows.h>

#include "core/controls/frame_geometry.h"
#include "core/controls/frame_properties.h"

namespace tavo {

// The system colours a disabled frame is drawn in.
FrameSystemColours FrameSystemColoursNow();

// One paint of the frame over `client`: cleared to BackColor, the style, the caption.
// `captionSize` is the last measured caption size; an empty caption keeps it.
void PaintFrame(HDC dc, const RECT& client, const FrameProperties& p,
                const FrameWorkingColours& colours, HFONT font, SIZE& captionSize);

// PaintFrame for a window's WM_PAINT, drawn off screen first so it never flickers.
void PaintFrameWindow(HWND window, const FrameProperties& p, const FrameWorkingColours& colours,
                      HFONT font, SIZE& captionSize);

// Notifications to the container, as WM_COMMAND codes with the control's id.
inline constexpr WORD kFrameResized = 1;
inline constexpr WORD kFramePainted = 2;
inline constexpr WORD kFrameMouseMoved = 3;

class TFrame {
public:
    TFrame() = default;
    TFrame(const TFrame&) = delete;
    TFrame& operator=(const TFrame&) = delete;

    // Creates the control (a newly placed one, named `name`); false on failure.
    bool Create(HWND parent, HINSTANCE instance, int id, const wchar_t* name);
    HWND Handle() const { return window_; }

    const FrameProperties& Properties() const { return p_; }
    void SetStyle(std::int32_t style);
    void SetThemeColor(std::int32_t theme);
    void SetEnabled(bool enabled);
    // Any other property: changed through the callback, then repainted.
    template <class Edit>
    void Change(Edit&& change) {
        change(p_);
        Repaint();
    }

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void EnforceMinimumSize(WINDOWPOS& position) const;
    void Notify(WORD code) const;
    void Repaint() const;
    FrameColour ContainerBack() const;

    HWND window_ = nullptr;
    FrameProperties p_;
    HFONT font_ = nullptr;  // the container's, not owned
    SIZE captionSize_{};
};

}  // namespace tavo
