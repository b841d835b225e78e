#pragma once
// Looking at other programs' windows from outside, the way Wine allows it (WM_GETTEXT
// rather than GetWindowText for controls, which reads "" across processes).
#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

#include "driver/poll.h"

namespace e2e {

// Asks for the window in front and waits (bounded) until it is; the window in front last.
Polled<HWND> BringToForeground(HWND window, milliseconds timeout = milliseconds(3000));

// Top-level windows, visible or not; processId 0 takes every process.
std::vector<HWND> TopLevelWindows(DWORD processId);

// The first top-level window of the process with exactly this class and, unless `title`
// is empty, exactly this title; nullptr if none.
HWND FindTopLevelWindow(DWORD processId, const std::wstring& className, const std::wstring& title = L"");
HWND WaitForTopLevelWindow(DWORD processId, const std::wstring& className, std::chrono::milliseconds timeout,
                           const std::wstring& title = L"");

// A descendant window with this control id, searched at any depth.
HWND FindControl(HWND root, int controlId);
HWND WaitForControl(HWND root, int controlId, std::chrono::milliseconds timeout);

std::wstring ClassNameOf(HWND window);
RECT WindowRectOf(HWND window);

// The control's text through WM_GETTEXT; nullopt when the window does not answer in time.
std::optional<std::wstring> ReadText(HWND window, UINT timeoutMs = 2000);

// Text for failure messages: the text, or a marker saying that no answer came.
std::wstring TextOrMarker(HWND window);

POINT ScreenCentre();

}  // namespace e2e
