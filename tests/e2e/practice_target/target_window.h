#pragma once
// The practice target window: class, creation and window procedure. Kept apart from
// wWinMain so that the tests can create the same window in their own process.
#include <windows.h>

#include <climits>
#include <string>

#include "practice_target/pattern.h"

namespace practice {

struct TargetOptions {
    std::wstring title = L"Tavo practice target";
    std::wstring className = L"MozillaWindowClassTavoPractice";
    int x = INT_MIN;  // INT_MIN: centred on the screen
    int y = INT_MIN;
    int width = 800;
    int height = 600;
    std::wstring logPath;  // empty: no log
    bool menu = false;     // a menu bar whose commands are logged
    bool ansi = false;     // an ANSI window class: characters in the system code page
    PictureMode pictures = PictureMode::Normal;
    bool quitOnDestroy = true;  // end the thread's message loop with the window
};

// Menu command ids of the optional menu bar.
inline constexpr UINT kMenuCommandFirst = 100;

// Parses "--title T --class C --x X --y Y --width W --height H --log PATH --menu --ansi
// --pictures normal|rotated|blank".
// Returns false (with a reason) on an unknown option or a missing value.
bool ParseOptions(int argc, wchar_t** argv, TargetOptions& options, std::wstring& error);

// Registers the class (once per name) and creates the window shown, with GetWindowRect
// exactly at the requested rectangle. Returns nullptr on failure.
HWND CreateTargetWindow(HINSTANCE instance, const TargetOptions& options);

}  // namespace practice
