#include "app/main/hot_key_hook.h"

#include "app/shared/control_ids.h"
#include "app/shared/guarded.h"

namespace tavo {
namespace {

constexpr UINT kActionTimerInterval = 10;
constexpr wchar_t kHookProperty[] = L"TavoHotKeyHook";

}  // namespace

void HotKeyHook::Install(HWND main) {
    main_ = main;
    previous_ = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(main, GWLP_WNDPROC));
    modifiers_ = kModControl;
    RegisterHotKey(main, static_cast<int>(kRegisteredHotKey.id), modifiers_, kRegisteredHotKey.key);
    RegisterHotKey(main, static_cast<int>(kRecordingHotKey.id), modifiers_, kRecordingHotKey.key);
    SetPropW(main, kHookProperty, this);
    SetWindowLongPtrW(main, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MainWindowProc));
    // Topmost already, not shown: Wine cannot make a window topmost once it owns a topmost
    // popup (the tooltips), and on Windows the first activation would do the same.
    SetWindowPos(main, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void HotKeyHook::Remove() {
    if (!main_) return;
    KillTimer(main_, IDT_ACTIONTIMER);
    SetWindowLongPtrW(main_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
    RemovePropW(main_, kHookProperty);
    main_ = nullptr;
}

LRESULT CALLBACK HotKeyHook::MainWindowProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    auto* self = static_cast<HotKeyHook*>(GetPropW(window, kHookProperty));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    const WNDPROC previous = self->previous_;
    Guarded("hot key", [&] {
        const auto low = static_cast<std::uint32_t>(lParam);
        if (const auto action = ActionFor(message, wParam, low, self->modifiers_))
            self->PostAction(*action);
    });
    const LRESULT result = CallWindowProcW(previous, window, message, wParam, lParam);
    // The window's own answer to being activated: after its procedure has seen the message.
    if (message == WM_ACTIVATE && LOWORD(wParam) != WA_INACTIVE)
        Guarded("keep on top", [&] { self->KeepOnTop(); });
    return result;
}

void HotKeyHook::PostAction(std::int16_t code) {
    pending_.Post(code);
    SetTimer(main_, IDT_ACTIONTIMER, kActionTimerInterval, nullptr);
}

WindowEffect HotKeyHook::RunPendingAction() {
    KillTimer(main_, IDT_ACTIONTIMER);
    const WindowEffect effect = pending_.Run(heldWindows_(), keyboard_);
    // Shown again without taking the activation from the program the user is in.
    if (effect == WindowEffect::ToggleVisibility)
        ShowWindow(main_, IsWindowVisible(main_) ? SW_HIDE : SW_SHOWNA);
    return effect;
}

// Above the target windows, so the window stays reachable over them. The rectangle is in
// physical pixels already (per-monitor DPI awareness).
void HotKeyHook::KeepOnTop() {
    // A hidden window would be shown, a minimised one moved to where its icon lies.
    if (!main_ || !IsWindowVisible(main_) || IsIconic(main_)) return;
    RECT r{};
    if (!GetWindowRect(main_, &r)) return;
    SetWindowPos(main_, HWND_TOPMOST, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_SHOWWINDOW | SWP_NOACTIVATE);
}

}  // namespace tavo
