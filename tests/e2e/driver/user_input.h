#pragma once
// Real pointer and keyboard input, as a person's hands give it: SendInput from this
// process. The system routes it as device input: a click to the window under the pointer
// (or the one holding the capture), a key to the focus of the foreground window. Posted
// mouse messages skip that routing, the capture and the activation.
#include <windows.h>

namespace e2e {

enum class Button { Left, Right };

// Every event carries its screen point: a pointer put there by SetCursorPos alone can be
// taken back for a moment by a late motion event of the display (seen under Wine).
bool PointTo(POINT screen);
bool PressButton(Button button, POINT screen);
bool ReleaseButton(Button button, POINT screen);
bool Click(POINT screen, Button button = Button::Left);

// A press and release of a virtual key.
bool StrikeKey(WORD vk);

// The window with the focus and the one holding the mouse capture in the window's thread:
// another process's GetFocus() cannot be asked directly.
HWND FocusOf(HWND window);
HWND CaptureOf(HWND window);

}  // namespace e2e
