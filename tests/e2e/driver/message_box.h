#pragma once
// Message boxes a program shows: top-level "#32770" windows owned by its window.
#include <windows.h>

#include <chrono>
#include <string>

namespace e2e {

// The first visible dialog owned by `owner`; nullptr when there is none.
HWND FindOwnedDialog(HWND owner);
HWND WaitForOwnedDialog(HWND owner, std::chrono::milliseconds timeout);

// The texts of the box's static controls (the icon has none), joined by new lines.
std::wstring MessageText(HWND box);
// Presses a button (IDYES, IDNO, IDOK) by posting its command to the box.
bool Answer(HWND box, int buttonId);

}  // namespace e2e
