#pragma once
// Design positions in twips (1440 to the inch, 15 to the pixel at 96 DPI), converted
// at a window's DPI.
#include <windows.h>

namespace tavo {

struct TwipsRect {
    int left, top, width, height;
};

inline int Px(int twips, UINT dpi) { return MulDiv(twips, static_cast<int>(dpi), 1440); }

// Edges are converted rather than sizes, so neighbouring controls meet without gaps.
inline RECT ToPixels(const TwipsRect& r, UINT dpi) {
    return {Px(r.left, dpi), Px(r.top, dpi), Px(r.left + r.width, dpi),
            Px(r.top + r.height, dpi)};
}

// Moves and sizes a control within its parent, keeping its z-order.
inline void Place(HWND control, const TwipsRect& twips, UINT dpi) {
    const RECT r = ToPixels(twips, dpi);
    SetWindowPos(control, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOACTIVATE | SWP_NOZORDER);
}

}  // namespace tavo
