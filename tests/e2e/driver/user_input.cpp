#include "driver/user_input.h"

namespace e2e {

namespace {

// Absolute coordinates run 0..65536 over the primary screen; rounded up, so that scaling
// back (x * width / 65536, truncated) gives the pixel itself.
LONG Normalised(LONG pixel, int size) { return static_cast<LONG>((pixel * 65536LL + size - 1) / size); }

bool SendMouse(DWORD flags, POINT screen) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = Normalised(screen.x, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = Normalised(screen.y, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    return SendInput(1, &input, sizeof input) == 1;
}

GUITHREADINFO ThreadInfoOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info;
}

}  // namespace

bool PointTo(POINT screen) { return SendMouse(0, screen); }

bool PressButton(Button button, POINT screen) {
    return SendMouse(button == Button::Left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN, screen);
}

bool ReleaseButton(Button button, POINT screen) {
    return SendMouse(button == Button::Left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP, screen);
}

bool Click(POINT screen, Button button) {
    return PointTo(screen) && PressButton(button, screen) && ReleaseButton(button, screen);
}

bool StrikeKey(WORD vk) {
    INPUT keys[2] = {};
    for (INPUT& key : keys) {
        key.type = INPUT_KEYBOARD;
        key.ki.wVk = vk;
        key.ki.wScan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    }
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    return SendInput(2, keys, sizeof(INPUT)) == 2;
}

HWND FocusOf(HWND window) { return ThreadInfoOf(window).hwndFocus; }
HWND CaptureOf(HWND window) { return ThreadInfoOf(window).hwndCapture; }

}  // namespace e2e
