#pragma once
// Where a desktop compositor draws window frames itself (Windows with DWM), the skin's
// drawing would never show: the compositor is told to leave the frame to the window.
// Elsewhere (Wine) nothing happens.
#include <windows.h>

namespace tavo::skin {

void LeaveFrameToWindow(HWND window, bool leave);

}  // namespace tavo::skin
