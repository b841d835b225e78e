#include "skin/win32/cbt_hook.h"

#include "skin/win32/module.h"

namespace tavo::skin {
namespace {

HHOOK hook = nullptr;
CbtEvents handlers{};

LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam) {
    const HHOOK self = hook;
    try {
        if (code == HCBT_CREATEWND && handlers.created) {
            const auto* create = reinterpret_cast<CBT_CREATEWNDW*>(lParam);
            handlers.created(reinterpret_cast<HWND>(wParam), create->lpcs->style);
        } else if (code == HCBT_ACTIVATE && handlers.activated) {
            handlers.activated(reinterpret_cast<HWND>(wParam));
        }
    } catch (...) {
        // A window left unskinned; the program's own creation goes on.
    }
    return CallNextHookEx(self, code, wParam, lParam);
}

}  // namespace

bool InstallCbtHook(DWORD thread, CbtEvents events) {
    handlers = events;
    if (hook) return true;
    hook = SetWindowsHookExW(WH_CBT, CbtProc, SkinModule(), thread);
    return hook != nullptr;
}

void RemoveCbtHook() {
    if (hook) UnhookWindowsHookEx(hook);
    hook = nullptr;
    handlers = {};
}

}  // namespace tavo::skin
