#pragma once
// The caption buttons under the pointer: hit testing where the skin draws them, and
// pressing them with the skin's own tracking, so that the system never draws its own
// buttons and the window gets the same commands the system's buttons send.
#include <windows.h>

#include <optional>

namespace tavo::skin {

// The message's answer when the skin handles it; nothing for the usual handling.
std::optional<LRESULT> HandleCaptionInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace tavo::skin
