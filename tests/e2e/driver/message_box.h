#pragma once
// Message boxes and common dialogs a program shows: top-level "#32770" windows owned by
// its window.
#include <windows.h>

#include <chrono>
#include <string>

namespace e2e {

// The first visible dialog owned by `owner` with this title (any when empty); nullptr
// when there is none.
HWND FindOwnedDialog(HWND owner, const std::wstring& title = L"");
HWND WaitForOwnedDialog(HWND owner, std::chrono::milliseconds timeout, const std::wstring& title = L"");

// The texts of the box's static controls (the icon has none), joined by new lines.
std::wstring MessageText(HWND box);
// Presses a button (IDYES, IDNO, IDOK) by posting its command to the box.
bool Answer(HWND box, int buttonId);

}  // namespace e2e
