#pragma once
// The main window's global hot key and its activation: which messages ask for an action,
// and what the action does when the action timer fires. The window procedure only
// records, so an action never runs inside the message that caused it.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "platform/keyboard_input.h"
#include "platform/window_queries.h"

namespace tavo {

inline constexpr std::uint32_t kWmActivate = 0x0006;
inline constexpr std::uint32_t kWmHotKey = 0x0312;
inline constexpr std::uint32_t kModControl = 0x0002;  // MOD_CONTROL

// Action codes; 0 is none.
inline constexpr std::int16_t kToggleMainWindow = 2;
inline constexpr std::int16_t kToggleRecording = 3;
inline constexpr std::int16_t kMainWindowActivated = 1101;
inline constexpr std::int16_t kMainWindowDeactivated = 1102;

struct HotKeyRow {
    std::uint64_t id;
    std::uint32_t key;  // virtual key, the high word of WM_HOTKEY's lParam
    std::int16_t action;
};

// Identifiers 2 (Ctrl+F2) and 3 (Ctrl+F3) are registered; the other rows' actions do
// nothing.
inline constexpr std::array<HotKeyRow, 4> kHotKeyTable{{
    {1, 0x70, 1}, {2, 0x71, kToggleMainWindow}, {3, 0x72, kToggleRecording}, {4, 0x73, 4}}};
inline constexpr HotKeyRow kRegisteredHotKey = kHotKeyTable[1];
inline constexpr HotKeyRow kRecordingHotKey = kHotKeyTable[2];

// Whether a key struck with these modifiers is a hot key of the main window: the system
// gives it to Tavo, never to the window in front.
bool IsRegisteredHotKey(std::uint32_t key, bool ctrl, bool shift, bool alt);

// Client point (1, 1), no button held; no button-up follows.
inline constexpr std::uint32_t kActivationClickLParam = 0x00010001;

// The action a message of the main window asks for, if any. `lParam`: its low 32 bits;
// `modifiers`: those the hot key was registered with.
std::optional<std::int16_t> ActionFor(std::uint32_t message, std::uint64_t wParam,
                                      std::uint32_t lParam, std::uint32_t modifiers);

// What is left for the main window to do once an action has run.
enum class WindowEffect { None, ToggleVisibility, ToggleRecording };

class PendingAction {
public:
    // A second action before the timer fires replaces the first.
    void Post(std::int16_t code) { code_ = code; }
    std::int16_t Code() const { return code_; }
    // Runs the action and clears it: an activation change presses the left button at
    // (1, 1) in every held window; showing or hiding is the window's own business.
    WindowEffect Run(const std::vector<WindowHandle>& heldWindows, KeyboardInput& keyboard);

private:
    std::int16_t code_ = 0;
};

}  // namespace tavo
