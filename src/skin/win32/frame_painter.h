#pragma once
// Paints the skin's frame and title bar over a window's own, leaving the part below the
// title bar inside the frame (menu bar, scroll bars, client area) as the system drew it.
#include <windows.h>

#include "skin/button_tracker.h"
#include "skin/skin_theme.h"

namespace tavo::skin {

// Onto `target` (a DC with the window's top left at 0,0, as WM_PRINT gives) or, when it
// is null, onto the window itself. False when the window is left to the system.
bool PaintFrame(HWND window, HDC target, const SkinTheme& theme, bool active, const ButtonTracker& tracker);

}  // namespace tavo::skin
