#pragma once
// The project's GDI owners, and the two the skin needs besides: regions and the
// whole-window DC the frame is drawn through.
#include "platform/win32/gdi_handles.h"
#include "skin/skin_theme.h"

namespace tavo::skin {

using tavo::SelectionGuard;
using tavo::UniqueBitmap;
using tavo::UniqueBrush;
using tavo::UniqueFont;
using tavo::UniqueMemoryDc;
using tavo::UniquePen;
using UniqueRegion = tavo::UniqueHandle<HRGN, tavo::GdiObjectDeleter>;

// GetWindowDC, given back on scope exit.
class WholeWindowDc {
public:
    explicit WholeWindowDc(HWND window) : window_(window), dc_(GetWindowDC(window)) {}
    WholeWindowDc(const WholeWindowDc&) = delete;
    WholeWindowDc& operator=(const WholeWindowDc&) = delete;
    ~WholeWindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    HDC Get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

inline COLORREF ToColorRef(Rgb c) { return RGB(c.r, c.g, c.b); }

}  // namespace tavo::skin
