#pragma once
// Whole-window translucency through the layered style, added and taken away again only
// where the skin added it: a window the program made layered itself is left alone.
#include <windows.h>

namespace tavo::skin {

// `addedByUs` tracks whether the skin gave the window its layered style.
void SetWindowAlpha(HWND window, int alpha, bool& addedByUs);

}  // namespace tavo::skin
