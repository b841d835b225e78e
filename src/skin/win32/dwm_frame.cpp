#include "skin/win32/dwm_frame.h"

namespace tavo::skin {
namespace {

constexpr DWORD kNcRenderingPolicy = 2;  // DWMWA_NCRENDERING_POLICY
constexpr DWORD kPolicyByStyle = 0;      // DWMNCRP_USEWINDOWSTYLE
constexpr DWORD kPolicyDisabled = 1;     // DWMNCRP_DISABLED

using SetAttribute = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
using IsCompositionEnabled = HRESULT(WINAPI*)(BOOL*);

// dwmapi is looked up, not linked: the DLL must load where it is missing.
HMODULE Dwm() {
    static const HMODULE dwm = LoadLibraryW(L"dwmapi.dll");
    return dwm;
}

template <typename F>
F Lookup(const char* name) {
    const HMODULE dwm = Dwm();
    if (!dwm) return nullptr;
    return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(dwm, name)));
}

bool Composited() {
    static const auto enabled = Lookup<IsCompositionEnabled>("DwmIsCompositionEnabled");
    BOOL on = FALSE;
    return enabled && SUCCEEDED(enabled(&on)) && on;
}

}  // namespace

void LeaveFrameToWindow(HWND window, bool leave) {
    if (!Composited()) return;
    static const auto set = Lookup<SetAttribute>("DwmSetWindowAttribute");
    if (!set) return;
    const DWORD policy = leave ? kPolicyDisabled : kPolicyByStyle;
    set(window, kNcRenderingPolicy, &policy, sizeof policy);
    SetWindowPos(window, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

}  // namespace tavo::skin
