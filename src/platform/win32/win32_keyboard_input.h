#pragma once
// Key and mouse messages posted to other programs' windows, and CTRL/SHIFT pressed
// system-wide.
#include "platform/keyboard_input.h"

namespace tavo {

class Win32EventPump;

class Win32KeyboardInput final : public KeyboardInput {
public:
    // With a pump, Sleep keeps the thread's messages flowing.
    explicit Win32KeyboardInput(Win32EventPump* pump = nullptr) : pump_(pump) {}
    // PostMessageA: the system converts a character code from the ANSI code page for a
    // Unicode window. wParam and lParam travel as their 32 bits, not sign-extended.
    void Post(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
              std::uint32_t lParam) override;
    bool IsUnicodeWindow(WindowHandle window) override;
    void PostWide(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                  std::uint32_t lParam) override;
    void KeybdEvent(std::uint8_t virtualKey, std::uint8_t scan, std::uint32_t flags) override;
    std::uint32_t ScanCode(std::uint32_t code) override;
    void Sleep(int milliseconds) override;

private:
    Win32EventPump* pump_;
};

}  // namespace tavo
