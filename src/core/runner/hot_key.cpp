#include "core/runner/hot_key.h"

#include <utility>

namespace tavo {

std::optional<std::int16_t> ActionFor(std::uint32_t message, std::uint64_t wParam,
                                      std::uint32_t lParam, std::uint32_t modifiers) {
    if (message == kWmActivate) {
        // WA_ACTIVE or WA_CLICKACTIVE, compared whole: a minimised flag in the high word
        // counts as a deactivation.
        return wParam == 1 || wParam == 2 ? kMainWindowActivated : kMainWindowDeactivated;
    }
    if (message != kWmHotKey || (lParam & 0xFFFF) != modifiers) return std::nullopt;
    for (const HotKeyRow& row : kHotKeyTable)
        if (row.id == wParam && row.key == lParam >> 16) return row.action;
    return std::nullopt;
}

bool IsRegisteredHotKey(std::uint32_t key, bool ctrl, bool shift, bool alt) {
    // Registered with MOD_CONTROL alone, which another modifier does not match.
    if (!ctrl || shift || alt) return false;
    return key == kRegisteredHotKey.key || key == kRecordingHotKey.key;
}

WindowEffect PendingAction::Run(const std::vector<WindowHandle>& heldWindows,
                               KeyboardInput& keyboard) {
    // Cleared first: a failed post must not leave the action to run again.
    const std::int16_t code = std::exchange(code_, 0);
    if (code == kToggleMainWindow) return WindowEffect::ToggleVisibility;
    if (code == kToggleRecording) return WindowEffect::ToggleRecording;
    if (code == kMainWindowActivated || code == kMainWindowDeactivated) {
        for (const WindowHandle window : heldWindows)
            keyboard.Post(window, kWmLButtonDown, 0, kActivationClickLParam);
    }
    return WindowEffect::None;
}

}  // namespace tavo
