#include "platform/win32/win32_keyboard_input.h"

#include <windows.h>

#include "platform/win32/win32_event_pump.h"

namespace tavo {

void Win32KeyboardInput::Post(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                              std::uint32_t lParam) {
    // A gone window only makes the call fail; nothing to report.
    PostMessageA(reinterpret_cast<HWND>(window), message, static_cast<WPARAM>(wParam),
                 static_cast<LPARAM>(static_cast<ULONG_PTR>(lParam)));
}

bool Win32KeyboardInput::IsUnicodeWindow(WindowHandle window) {
    return IsWindowUnicode(reinterpret_cast<HWND>(window)) != FALSE;
}

void Win32KeyboardInput::PostWide(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                                  std::uint32_t lParam) {
    PostMessageW(reinterpret_cast<HWND>(window), message, static_cast<WPARAM>(wParam),
                 static_cast<LPARAM>(static_cast<ULONG_PTR>(lParam)));
}

void Win32KeyboardInput::KeybdEvent(std::uint8_t virtualKey, std::uint8_t scan,
                                    std::uint32_t flags) {
    keybd_event(virtualKey, scan, flags, 0);
}

std::uint32_t Win32KeyboardInput::ScanCode(std::uint32_t code) {
    return MapVirtualKeyA(code, MAPVK_VK_TO_VSC);
}

void Win32KeyboardInput::Sleep(int milliseconds) {
    if (pump_)
        pump_->Wait(milliseconds);
    else if (milliseconds > 0)
        ::Sleep(static_cast<DWORD>(milliseconds));
}

}  // namespace tavo
