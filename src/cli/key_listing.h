#pragma once
// What Tavo would post and press for a text, listed instead of sent.
#include <cstdint>
#include <ostream>
#include <string_view>

#include "platform/code_page.h"
#include "platform/keyboard_input.h"

namespace tavo::cli {

using ScanCodeSource = std::uint32_t (*)(std::uint32_t virtualKey);

// Set 1 scan codes of a standard US keyboard, as MapVirtualKeyA(vk, 0) gives them there;
// 0 for a key it does not know.
std::uint32_t UsScanCode(std::uint32_t virtualKey);

// On Windows the user's own layout (what Tavo would send there); elsewhere UsScanCode.
std::uint32_t SystemScanCode(std::uint32_t virtualKey);

// A KeyboardInput that prints one line per message, system key event and sleep.
class ListingKeyboard final : public KeyboardInput {
public:
    ListingKeyboard(std::ostream& out, ScanCodeSource scanCodes)
        : out_(out), scanCodes_(scanCodes) {}

    void Post(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
              std::uint32_t lParam) override;
    // Lists what an ANSI window is sent: the code-page form.
    bool IsUnicodeWindow(WindowHandle) override { return false; }
    void PostWide(WindowHandle window, std::uint32_t message, std::uint32_t wParam,
                  std::uint32_t lParam) override;
    void KeybdEvent(std::uint8_t virtualKey, std::uint8_t scan, std::uint32_t flags) override;
    std::uint32_t ScanCode(std::uint32_t code) override { return scanCodes_(code); }
    void Sleep(int milliseconds) override;

private:
    std::ostream& out_;
    ScanCodeSource scanCodes_;
};

// Lists what the key sender does for SendText(text, keyDelay) to the first target window.
void ListKeys(std::string_view utf8Text, int keyDelay, ScanCodeSource scanCodes,
              CodePage936& codePage, std::ostream& out);

}  // namespace tavo::cli
