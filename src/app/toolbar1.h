#pragma once
// Toolbar1: buttons 1 Open, 3 New Instruction, 5 Save, 7 Run, 9 Stop; the even
// numbers are separators. Button n has command id IDC_TOOLBAR_BUTTON_BASE + n.
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <optional>

#include "core/main/view_model.h"

namespace tavo {

HWND CreateToolbar1(HWND parent, HINSTANCE instance);

// Gives the toolbar new images (after a DPI change) and lets its buttons resize.
void SetToolbarImages(HWND toolbar, HIMAGELIST images);

void ApplyToolbarEnabled(HWND toolbar,
                         const std::array<bool, kToolbarButtonCount + 1>& enabled);

// The button number 1..9 of a command id, or none when the id is not a toolbar button.
std::optional<int> ToolbarButtonOf(int commandId);

}  // namespace tavo
