#pragma once
// Label4, the banner line along the bottom of the main window: one line on what Tavo does,
// scrolling by one character every half second; the pointer over it turns it red until
// the pointer leaves its band. The banner keeps its own state and timers, so the main
// window only creates, places and gives it a font (WM_SETFONT).
#include <windows.h>

namespace tavo {

// nullptr on failure.
HWND CreateBanner(HWND parent, HINSTANCE instance, int id);

}  // namespace tavo
