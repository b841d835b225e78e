#pragma once
// Records every posted message, system key event and sleep, in order, as text.
#include <cstdio>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/keyboard_input.h"

namespace tavo::testing {

inline std::string Hex(std::uint32_t v) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%X", v);
    return buffer;
}

inline const char* MessageName(std::uint32_t message) {
    switch (message) {
        case kWmKeyDown: return "KEYDOWN";
        case kWmKeyUp: return "KEYUP";
        case kWmChar: return "CHAR";
        case kWmSysKeyDown: return "SYSKEYDOWN";
        case kWmSysKeyUp: return "SYSKEYUP";
        case kWmLButtonDown: return "LBUTTONDOWN";
        case kWmLButtonUp: return "LBUTTONUP";
        default: return "?";
    }
}

class FakeKeyboard : public KeyboardInput {
public:
    std::vector<std::string> events;
    bool postFails = false;  // every Post throws, as a fault in the middle of a command
    bool unicodeWindow = false;
    // Scan codes of a standard keyboard for the keys the tests use.
    std::map<std::uint32_t, std::uint32_t> scans = {
        {0x0D, 0x1C}, {0x10, 0x2A}, {0x11, 0x1D}, {0x41, 0x1E}, {0x42, 0x30}, {0x43, 0x2E},
        {0x54, 0x14}, {0x70, 0x3B}, {0x71, 0x3C}, {0x73, 0x3E}, {0x74, 0x3F}};

    void Post(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
              std::uint32_t lParam) override {
        if (postFails) throw std::runtime_error("post failed");
        events.push_back(std::string(MessageName(message)) + " " + Hex(wParam) + " " + Hex(lParam) +
                         (window == 0 ? " to none" : ""));
    }
    bool IsUnicodeWindow(WindowHandle) override { return unicodeWindow; }
    void PostWide(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                  std::uint32_t lParam) override {
        Post(window, message, wParam, lParam);
        events.back().insert(0, "wide ");
    }
    void KeybdEvent(std::uint8_t vk, std::uint8_t scan, std::uint32_t flags) override {
        events.push_back(std::string(flags & kKeyEventKeyUp ? "release " : "press ") + Hex(vk) +
                         " scan " + Hex(scan));
    }
    std::uint32_t ScanCode(std::uint32_t code) override {
        const auto it = scans.find(code);
        return it == scans.end() ? 0 : it->second;
    }
    void Sleep(int ms) override { events.push_back("sleep " + std::to_string(ms)); }
};

}  // namespace tavo::testing
