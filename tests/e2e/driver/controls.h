#pragma once
// Driving a program's toolbar and menu bar from outside, as far as Wine lets another
// process do it.
#include <windows.h>

#include <chrono>
#include <string>

namespace e2e {

struct ToolbarButton {
    bool exists = false;   // TB_GETSTATE knows the command id
    bool enabled = false;  // TB_ISBUTTONENABLED
    LRESULT state = -1;    // raw TBSTATE_* bits
};

ToolbarButton ReadToolbarButton(HWND toolbar, int commandId);
std::string Describe(const ToolbarButton& button);

// Presses and releases the left button over the toolbar button, as a user's click would;
// a disabled button ignores it. False when the button's rectangle cannot be had.
bool ClickToolbarButton(HWND toolbar, int commandId);

// Whether a drop-down menu of the process is on screen.
bool PopupMenuShown(DWORD processId);

// Chooses a menu item by keyboard: Alt with the top menu's mnemonic, then, once its
// drop-down is on screen, the item's mnemonic. Menus of another process cannot be read,
// so this is the way in from outside. False when the drop-down did not open in time (a
// disabled top menu does not open); the item key is then not sent.
bool ChooseMenuItem(HWND window, wchar_t topMnemonic, wchar_t itemMnemonic,
                    std::chrono::milliseconds openTimeout = std::chrono::milliseconds(3000));

}  // namespace e2e
