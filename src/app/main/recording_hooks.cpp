#include "app/main/recording_hooks.h"

#include <string>

#include "app/shared/guarded.h"
#include "platform/win32/code_page.h"

namespace tavo {
namespace {

constexpr UINT kKeepKeyboardState = 4;  // ToUnicodeEx: the window still gets its dead keys
constexpr int kModifiers[] = {VK_CONTROL, VK_LCONTROL, VK_RCONTROL, VK_SHIFT, VK_LSHIFT, VK_RSHIFT};

WindowHandle ToHandle(HWND window) { return reinterpret_cast<WindowHandle>(window); }

// The character the key types in the window in front, with Shift as held.
std::string TypedText(const KBDLLHOOKSTRUCT& key, bool shift, HWND front) {
    BYTE state[256] = {};
    if (shift) state[VK_SHIFT] = 0x80;
    state[VK_CAPITAL] = static_cast<BYTE>(GetKeyState(VK_CAPITAL) & 1);
    state[VK_NUMLOCK] = static_cast<BYTE>(GetKeyState(VK_NUMLOCK) & 1);
    wchar_t text[8] = {};
    const HKL layout = GetKeyboardLayout(GetWindowThreadProcessId(front, nullptr));
    const int n = ToUnicodeEx(key.vkCode, key.scanCode, state, text, 8, kKeepKeyboardState, layout);
    return n > 0 ? WideToUtf8(std::wstring_view(text, static_cast<std::size_t>(n))) : std::string();
}

}  // namespace

RecordingHooks* RecordingHooks::active_ = nullptr;

void RecordingHooks::Follow(bool recording, HWND window, UINT message) {
    window_ = window;
    message_ = message;
    if (recording && !mouse_) Install();
    if (!recording && mouse_) Remove();
}

void RecordingHooks::Install() {
    for (const int vk : kModifiers) held_[static_cast<std::size_t>(vk)] = GetAsyncKeyState(vk) < 0;
    active_ = this;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    mouse_ = SetWindowsHookExW(WH_MOUSE_LL, MouseProc, instance, 0);
    keyboard_ = SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardProc, instance, 0);
}

void RecordingHooks::Remove() {
    if (mouse_) UnhookWindowsHookEx(mouse_);
    if (keyboard_) UnhookWindowsHookEx(keyboard_);
    mouse_ = keyboard_ = nullptr;
    if (active_ == this) active_ = nullptr;
}

void RecordingHooks::Handle(const TargetInput& input) {
    if (!note_(input) || announced_ || !window_) return;
    announced_ = PostMessageW(window_, message_, 0, 0) != FALSE;
}

LRESULT CALLBACK RecordingHooks::MouseProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && wParam == WM_LBUTTONDOWN && active_) {
        const auto& mouse = *reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        Guarded("recorded press", [&] {
            active_->Handle(TargetPressed{{mouse.pt.x, mouse.pt.y}});
        });
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK RecordingHooks::KeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && active_) {
        const auto& key = *reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        const bool down = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
        Guarded("recorded key", [&] { active_->Key(down, key); });
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void RecordingHooks::Key(bool down, const KBDLLHOOKSTRUCT& key) {
    if (key.vkCode < held_.size()) held_[key.vkCode] = down;
    if (!down) return;
    const HWND front = GetForegroundWindow();
    const bool shift = Held(VK_SHIFT, VK_LSHIFT, VK_RSHIFT);
    TypedKey typed{static_cast<int>(key.vkCode), Held(VK_CONTROL, VK_LCONTROL, VK_RCONTROL), shift,
                   (key.flags & LLKHF_ALTDOWN) != 0, TypedText(key, shift, front)};
    Handle(TargetKeyPressed{std::move(typed), ToHandle(front)});
}

}  // namespace tavo
