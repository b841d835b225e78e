#include "cli/key_listing.h"

#include <array>
#include <cstdio>
#include <string>
#include <utility>

#include "core/acting/key_sender.h"

namespace tavo::cli {
namespace {

struct KeyRow {
    std::string_view keys;  // virtual keys of letters and digits are their upper-case characters
    std::uint8_t firstScan;
};

constexpr std::array<KeyRow, 4> kRows = {{
    {"1234567890", 0x02}, {"QWERTYUIOP", 0x10}, {"ASDFGHJKL", 0x1E}, {"ZXCVBNM", 0x2C},
}};

// Without the extended-key prefix: the arrows and the block above them share their scan
// codes with the numeric keypad, as MapVirtualKeyA reports them.
constexpr std::array<std::pair<std::uint8_t, std::uint8_t>, 61> kKeys = {{
    {0x08, 0x0E}, {0x09, 0x0F}, {0x0D, 0x1C}, {0x10, 0x2A}, {0x11, 0x1D}, {0x12, 0x38},
    {0x13, 0x45}, {0x14, 0x3A}, {0x1B, 0x01}, {0x20, 0x39}, {0x21, 0x49}, {0x22, 0x51},
    {0x23, 0x4F}, {0x24, 0x47}, {0x25, 0x4B}, {0x26, 0x48}, {0x27, 0x4D}, {0x28, 0x50},
    {0x2C, 0x54}, {0x2D, 0x52}, {0x2E, 0x53}, {0x5B, 0x5B}, {0x5C, 0x5C}, {0x5D, 0x5D},
    {0x60, 0x52}, {0x61, 0x4F}, {0x62, 0x50}, {0x63, 0x51}, {0x64, 0x4B}, {0x65, 0x4C},
    {0x66, 0x4D}, {0x67, 0x47}, {0x68, 0x48}, {0x69, 0x49}, {0x6A, 0x37}, {0x6B, 0x4E},
    {0x6D, 0x4A}, {0x6E, 0x53}, {0x6F, 0x35}, {0x7A, 0x57}, {0x7B, 0x58}, {0x90, 0x45},
    {0x91, 0x46}, {0xA0, 0x2A}, {0xA1, 0x36}, {0xA2, 0x1D}, {0xA3, 0x1D}, {0xA4, 0x38},
    {0xA5, 0x38}, {0xBA, 0x27}, {0xBB, 0x0D}, {0xBC, 0x33}, {0xBD, 0x0C}, {0xBE, 0x34},
    {0xBF, 0x35}, {0xC0, 0x29}, {0xDB, 0x1A}, {0xDC, 0x2B}, {0xDD, 0x1B}, {0xDE, 0x28},
    {0xE2, 0x56},
}};

constexpr std::uint32_t kVkF1 = 0x70, kVkF10 = 0x79, kScanF1 = 0x3B;

std::uint32_t RowScanCode(std::uint32_t virtualKey) {
    if (virtualKey >= kVkF1 && virtualKey <= kVkF10) return kScanF1 + virtualKey - kVkF1;
    if (virtualKey >= 0x80) return 0;
    for (const KeyRow& row : kRows)
        if (const auto at = row.keys.find(static_cast<char>(virtualKey));
            at != std::string_view::npos)
            return row.firstScan + static_cast<std::uint32_t>(at);
    return 0;
}

const char* MessageName(std::uint32_t message) {
    switch (message) {
        case kWmKeyDown: return "WM_KEYDOWN";
        case kWmKeyUp: return "WM_KEYUP";
        case kWmChar: return "WM_CHAR";
        case kWmSysKeyDown: return "WM_SYSKEYDOWN";
        case kWmSysKeyUp: return "WM_SYSKEYUP";
        case kWmLButtonDown: return "WM_LBUTTONDOWN";
        case kWmLButtonUp: return "WM_LBUTTONUP";
        default: return "WM_?";
    }
}

std::string Formatted(const char* format, auto... values) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, format, values...);
    return buffer;
}

}  // namespace

std::uint32_t UsScanCode(std::uint32_t virtualKey) {
    if (const std::uint32_t scan = RowScanCode(virtualKey)) return scan;
    for (const auto& [key, scan] : kKeys)
        if (key == virtualKey) return scan;
    return 0;
}

void ListingKeyboard::Post(WindowHandle, std::uint32_t message, std::uint32_t wParam,
                           std::uint32_t lParam) {
    out_ << Formatted("%-13s wParam 0x%08X lParam 0x%08X\n", MessageName(message),
                      static_cast<unsigned>(wParam), static_cast<unsigned>(lParam));
}

void ListingKeyboard::PostWide(WindowHandle, std::uint32_t message, std::uint32_t wParam,
                               std::uint32_t lParam) {
    out_ << Formatted("%-13s wParam 0x%08X lParam 0x%08X (UTF-16)\n", MessageName(message),
                      static_cast<unsigned>(wParam), static_cast<unsigned>(lParam));
}

void ListingKeyboard::KeybdEvent(std::uint8_t virtualKey, std::uint8_t scan, std::uint32_t flags) {
    out_ << Formatted("%-13s key 0x%02X scan 0x%02X %s\n", "keybd_event", unsigned{virtualKey},
                      unsigned{scan}, (flags & kKeyEventKeyUp) != 0 ? "release" : "press");
}

void ListingKeyboard::Sleep(int milliseconds) { out_ << "sleep " << milliseconds << "\n"; }

void ListKeys(std::string_view utf8Text, int keyDelay, ScanCodeSource scanCodes,
              CodePage936& codePage, std::ostream& out) {
    // Nothing is posted anywhere, so any non-zero handle stands for the first target window.
    constexpr WindowHandle kFirstTarget = 1;
    ListingKeyboard keyboard(out, scanCodes);
    KeySender sender(keyboard, codePage);
    sender.SendText(kFirstTarget, utf8Text, keyDelay);
}

}  // namespace tavo::cli
