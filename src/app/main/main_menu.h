#pragma once
#include <windows.h>

#include <optional>

#include "core/main/user_events.h"
#include "core/main/view_model.h"

namespace tavo {

// The menu bar: File, Edit, Control popups and the Settings command, in that order.
HMENU CreateMainMenu();

// The controller command of a menu item id; none for ids that are not menu items.
std::optional<Command> MenuCommand(int id);

// Enables the four top-level entries, 撤销 and 重做 in 编辑 and the items of 控制, checks
// 录制 while recording, as the view says, and redraws the bar.
void ApplyMenuEnabled(HWND window, const MainViewModel& view);

}  // namespace tavo
