#include "platform/win32/win32_event_pump.h"

#include <windows.h>

namespace tavo {

bool Win32EventPump::DispatchPending() {
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // The quit belongs to the outer message loop; hand it back for that loop to see.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

void Win32EventPump::ProcessPendingEvents() {
    if (beforePumping_) beforePumping_();
    DispatchPending();
}

void Win32EventPump::Wait(int milliseconds) {
    if (milliseconds <= 0) return;
    if (beforePumping_) beforePumping_();
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    for (ULONGLONG now = GetTickCount64(); now < deadline; now = GetTickCount64()) {
        const auto left = static_cast<DWORD>(deadline - now);
        // Input already seen but not yet removed counts too, or it would wait it out.
        if (MsgWaitForMultipleObjectsEx(0, nullptr, left, QS_ALLINPUT, MWMO_INPUTAVAILABLE) !=
            WAIT_OBJECT_0)
            continue;
        if (!DispatchPending()) {
            // With a quit pending every wait would return at once: sleep the rest.
            const ULONGLONG after = GetTickCount64();
            if (after < deadline) ::Sleep(static_cast<DWORD>(deadline - after));
            return;
        }
    }
}

}  // namespace tavo
