#include "skin/win32/window_alpha.h"

namespace tavo::skin {

void SetWindowAlpha(HWND window, int alpha, bool& addedByUs) {
    const LONG_PTR exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
    if (alpha >= 255) {
        if (!addedByUs) return;
        addedByUs = false;
        SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
        // A window that stops being layered has to be drawn again.
        RedrawWindow(window, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
        return;
    }
    if ((exStyle & WS_EX_LAYERED) && !addedByUs) return;
    if (!(exStyle & WS_EX_LAYERED)) SetWindowLongPtrW(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    addedByUs = true;
    SetLayeredWindowAttributes(window, 0, static_cast<BYTE>(alpha), LWA_ALPHA);
}

}  // namespace tavo::skin
