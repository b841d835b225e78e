#pragma once
// Posting key messages to another program's window and pressing keys system-wide.
#include <cstdint>

#include "platform/window_queries.h"

namespace tavo {

inline constexpr std::uint32_t kWmKeyDown = 0x0100;
inline constexpr std::uint32_t kWmKeyUp = 0x0101;
inline constexpr std::uint32_t kWmChar = 0x0102;
inline constexpr std::uint32_t kWmSysKeyDown = 0x0104;
inline constexpr std::uint32_t kWmSysKeyUp = 0x0105;
inline constexpr std::uint32_t kWmLButtonDown = 0x0201;
inline constexpr std::uint32_t kWmLButtonUp = 0x0202;
inline constexpr std::uint32_t kKeyEventKeyUp = 2;  // KEYEVENTF_KEYUP

class KeyboardInput {
public:
    virtual ~KeyboardInput() = default;
    // wParam and lParam as 32-bit values, the way the messages carry them.
    virtual void Post(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                      std::uint32_t lParam) = 0;
    // A window that takes characters as UTF-16 (IsWindowUnicode); any other takes them in
    // the system code page.
    virtual bool IsUnicodeWindow(WindowHandle window) = 0;
    // The wide form of Post: a WM_CHAR's wParam is a UTF-16 unit.
    virtual void PostWide(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                          std::uint32_t lParam) = 0;
    virtual void KeybdEvent(std::uint8_t virtualKey, std::uint8_t scan, std::uint32_t flags) = 0;
    // MapVirtualKeyA(code, 0): the scan code of a virtual key.
    virtual std::uint32_t ScanCode(std::uint32_t code) = 0;
    // The window's run keeps its messages flowing meanwhile.
    virtual void Sleep(int milliseconds) = 0;
};

}  // namespace tavo
