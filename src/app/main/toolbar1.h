#pragma once
// Toolbar1: buttons 1 Open, 3 New Instruction, 5 Save, 7 Run, 9 Stop; the even
// numbers are separators. Button n has command id IDC_TOOLBAR_BUTTON_BASE + n. Each
// button chooses the command of its menu item.
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <optional>

#include "core/main/user_events.h"
#include "core/model/command_state.h"

namespace tavo {

enum ToolbarButton : int {
    kButtonOpen = 1,
    kButtonNewInstruction = 3,
    kButtonSave = 5,
    kButtonRun = 7,
    kButtonStop = 9,
};
inline constexpr int kToolbarButtonCount = 9;

HWND CreateToolbar1(HWND parent, HINSTANCE instance);

// Gives the toolbar new images (after a DPI change) and lets its buttons resize.
void SetToolbarImages(HWND toolbar, HIMAGELIST images);

void ApplyToolbarEnabled(HWND toolbar, const ToolbarState& state, bool saveEnabled);

// The command of a toolbar button's command id; none when the id is no toolbar button.
std::optional<Command> ToolbarCommand(int commandId);

}  // namespace tavo
