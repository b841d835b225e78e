#pragma once
// Ctrl+F2, Ctrl+F3 and the main window's activation, caught in a window procedure put in
// front of Form1's. The procedure only records the action (core/runner/hot_key.h); the
// action timer, which Form1's WM_TIMER hands here, carries it out.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "core/runner/hot_key.h"
#include "platform/keyboard_input.h"

namespace tavo {

class HotKeyHook {
public:
    using HeldWindows = std::function<std::vector<WindowHandle>()>;
    HotKeyHook(HeldWindows heldWindows, KeyboardInput& keyboard)
        : heldWindows_(std::move(heldWindows)), keyboard_(keyboard) {}
    HotKeyHook(const HotKeyHook&) = delete;
    HotKeyHook& operator=(const HotKeyHook&) = delete;

    // Registers Ctrl+F2 and Ctrl+F3 (another program holding one leaves Tavo without it,
    // silently), puts MainWindowProc in front of the window's procedure and makes the
    // window topmost. Call it before the window owns any popup: under Wine the owner of a
    // topmost popup cannot become topmost itself.
    void Install(HWND main);
    // Puts the saved procedure back; call it while the window still exists.
    void Remove();
    // The action timer fired. Recording is the core's: a toggle is left to the caller.
    WindowEffect RunPendingAction();

private:
    static LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam);
    void PostAction(std::int16_t code);
    void KeepOnTop();

    HeldWindows heldWindows_;
    KeyboardInput& keyboard_;
    HWND main_ = nullptr;
    WNDPROC previous_ = nullptr;
    std::uint32_t modifiers_ = 0;
    PendingAction pending_;
};

}  // namespace tavo
