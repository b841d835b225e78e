#pragma once
// The skin's hold on a window's messages: painting the frame, the caption buttons and
// their hit testing, and following the window with its shadow.
#include <windows.h>

namespace tavo::skin {

bool SubclassFrame(HWND window);
void UnsubclassFrame(HWND window);

}  // namespace tavo::skin
