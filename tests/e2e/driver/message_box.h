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

// Waits for an Open or Save dialog with this title and chooses `path` in it: the name
// box (control 1148) set, then OK. False when no dialog came or it did not close.
bool ChooseFileInDialog(HWND owner, const std::wstring& title, const std::wstring& path,
                        std::chrono::milliseconds timeout = std::chrono::milliseconds(5000));

}  // namespace e2e
