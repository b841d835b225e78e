#include "skin/win32/skin_session.h"

#include <algorithm>
#include <utility>

#include "skin/win32/cbt_hook.h"
#include "skin/win32/dwm_frame.h"
#include "skin/win32/frame_painter.h"
#include "skin/win32/frame_subclass.h"
#include "skin/win32/gdi.h"
#include "skin/win32/window_alpha.h"

namespace tavo::skin {
namespace {

bool IsMenuWindow(HWND window) {
    wchar_t name[16] = {};
    return GetClassNameW(window, name, 16) && lstrcmpW(name, L"#32768") == 0;
}

bool WantsSkin(HWND window, LONG style) {
    return !(style & WS_CHILD) && (style & WS_CAPTION) == WS_CAPTION && !IsShadowWindow(window);
}

BOOL CALLBACK CollectThreadWindow(HWND window, LPARAM list) {
    auto& windows = *reinterpret_cast<std::vector<HWND>*>(list);
    if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) windows.push_back(window);
    return TRUE;
}

// Top-level windows of the calling thread: only its windows can be subclassed from it.
std::vector<HWND> ThreadWindows() {
    std::vector<HWND> windows;
    EnumWindows(CollectThreadWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// The system draws the frame again, client area untouched.
void RedrawSystemFrame(HWND window) {
    RECT frame{}, client{};
    POINT origin{0, 0};
    if (!GetWindowRect(window, &frame) || !GetClientRect(window, &client) || !ClientToScreen(window, &origin)) return;
    const UniqueRegion all(CreateRectRgn(frame.left - origin.x, frame.top - origin.y, frame.right - origin.x,
                                         frame.bottom - origin.y));
    const UniqueRegion inside(CreateRectRgn(0, 0, client.right, client.bottom));
    if (!all || !inside) return;
    CombineRgn(all.Get(), all.Get(), inside.Get(), RGN_DIFF);
    RedrawWindow(window, nullptr, all.Get(), RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
}

void SetMenuWindowAlpha(HWND menu, int alpha) {
    const LONG_PTR exStyle = GetWindowLongPtrW(menu, GWL_EXSTYLE);
    if (alpha >= 255) {
        SetWindowLongPtrW(menu, GWL_EXSTYLE, exStyle & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
        return;
    }
    SetWindowLongPtrW(menu, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
    SetLayeredWindowAttributes(menu, 0, static_cast<BYTE>(alpha), LWA_ALPHA);
}

template <typename F>
void Quietly(F&& f) {
    try {
        f();
    } catch (...) {
        // Drawing is best effort: the window stays usable without it.
    }
}

}  // namespace

SkinSession& SkinSession::Instance() {
    // Never destroyed: at process exit the windows are gone and nothing is to be undone.
    static auto* session = new SkinSession;
    return *session;
}

void SkinSession::Attach(const SkinTheme& theme) {
    const DWORD thread = GetCurrentThreadId();
    if (Attached() && thread != thread_) Detach();
    base_ = theme;
    theme_ = ShiftTheme(theme, settings_.hsv);
    thread_ = thread;
    InstallCbtHook(thread, {[](HWND w, LONG style) { Instance().Created(w, style); },
                            [](HWND w) { Instance().Activated(w); }});
    AdoptExisting();
    RefreshAll();
    RefreshMenus();
}

void SkinSession::Detach() {
    RemoveCbtHook();
    // Emptied first: messages sent while letting go must find nothing of the skin.
    auto windows = std::exchange(windows_, {});
    const bool wasAttached = Attached();
    base_.reset();
    for (auto& [window, state] : windows)
        if (IsWindow(window)) Release(window, *state);
    windows.clear();
    if (wasAttached) {
        for (const HWND menu : layeredMenus_)
            if (IsWindow(menu) && IsMenuWindow(menu)) SetMenuWindowAlpha(menu, 255);
    }
    layeredMenus_.clear();
    UnregisterShadowClass();
    thread_ = 0;
}

void SkinSession::SetAero(bool on) {
    settings_.aero = on;
    RefreshAll();
}

void SkinSession::SetHsv(const HsvShift& shift) {
    settings_.hsv = shift;
    if (base_) theme_ = ShiftTheme(*base_, shift);
    RefreshAll();
}

void SkinSession::SetMenuAlpha(int alpha) {
    settings_.menuAlpha = alpha;
    RefreshMenus();
}

void SkinSession::SetTranslucency(int alpha, const ShadowLook& shadow) {
    settings_.alpha = alpha;
    settings_.shadow = shadow;
    RefreshAll();
}

void SkinSession::Created(HWND window, LONG style) {
    if (!Attached()) return;
    if (IsMenuWindow(window)) {
        if (MenuAlpha(settings_.menuAlpha) >= 255) return;
        SetMenuWindowAlpha(window, MenuAlpha(settings_.menuAlpha));
        std::erase_if(layeredMenus_, [](HWND w) { return !IsWindow(w); });
        layeredMenus_.push_back(window);
    } else if (WantsSkin(window, style)) {
        Adopt(window);
    }
}

void SkinSession::Activated(HWND window) {
    if (!Attached() || Find(window) || !WantsSkin(window, GetWindowLongW(window, GWL_STYLE))) return;
    Adopt(window);
    Repaint(window);
    Moved(window);
}

WindowState* SkinSession::Find(HWND window) {
    const auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : it->second.get();
}

void SkinSession::Repaint(HWND window) {
    WindowState* state = Find(window);
    if (!Attached() || !state || !IsWindowVisible(window)) return;
    Quietly([&] { PaintFrame(window, nullptr, theme_, state->active, state->buttons); });
}

void SkinSession::Moved(HWND window) {
    if (WindowState* state = Find(window)) Quietly([&] { state->shadow.Follow(window, settings_.shadow); });
}

void SkinSession::Destroyed(HWND window) {
    const auto it = windows_.find(window);
    if (it == windows_.end()) return;
    const std::unique_ptr<WindowState> state = std::move(it->second);
    windows_.erase(it);
    UnsubclassFrame(window);
}

void SkinSession::Adopt(HWND window) {
    if (Find(window) || !SubclassFrame(window)) return;
    auto state = std::make_unique<WindowState>();
    state->active = GetActiveWindow() == window;
    WindowState& s = *windows_.emplace(window, std::move(state)).first->second;
    LeaveFrameToWindow(window, true);
    SetWindowAlpha(window, WindowAlpha(settings_.alpha, settings_.aero), s.addedLayered);
}

void SkinSession::Release(HWND window, WindowState& state) {
    UnsubclassFrame(window);
    state.shadow.Destroy();
    SetWindowAlpha(window, 255, state.addedLayered);
    LeaveFrameToWindow(window, false);
    RedrawSystemFrame(window);
}

void SkinSession::AdoptExisting() {
    for (const HWND window : ThreadWindows())
        if (WantsSkin(window, GetWindowLongW(window, GWL_STYLE))) Adopt(window);
}

void SkinSession::RefreshAll() {
    if (!Attached()) return;
    std::vector<HWND> windows;
    for (const auto& entry : windows_) windows.push_back(entry.first);
    const int alpha = WindowAlpha(settings_.alpha, settings_.aero);
    for (const HWND window : windows) {
        if (WindowState* state = Find(window)) SetWindowAlpha(window, alpha, state->addedLayered);
        Moved(window);
        Repaint(window);
    }
}

void SkinSession::RefreshMenus() {
    if (!Attached()) return;
    const int alpha = MenuAlpha(settings_.menuAlpha);
    for (const HWND window : ThreadWindows()) {
        if (!IsMenuWindow(window)) continue;
        const bool ours = std::find(layeredMenus_.begin(), layeredMenus_.end(), window) != layeredMenus_.end();
        if (alpha >= 255 && !ours) continue;
        SetMenuWindowAlpha(window, alpha);
        if (!ours) layeredMenus_.push_back(window);
    }
}

}  // namespace tavo::skin
