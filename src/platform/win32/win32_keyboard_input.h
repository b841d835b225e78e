#pragma once
// Key and mouse messages posted to other programs' windows, and CTRL/SHIFT pressed
// system-wide.
#include "platform/keyboard_input.h"

namespace tavo {

class Win32KeyboardInput final : public KeyboardInput {
public:
    // PostMessageA: the system converts a character code from the ANSI code page for a
    // Unicode window. wParam and lParam travel as their 32 bits, not sign-extended.
    void Post(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
              std::uint32_t lParam) override;
    void KeybdEvent(std::uint8_t virtualKey, std::uint8_t scan, std::uint32_t flags) override;
    std::uint32_t ScanCode(std::uint32_t code) override;
    void Sleep(int milliseconds) override;
};

}  // namespace tavo
