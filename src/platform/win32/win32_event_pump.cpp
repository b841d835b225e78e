#include "platform/win32/win32_event_pump.h"

#include <windows.h>

namespace tavo {

void Win32EventPump::ProcessPendingEvents() {
    if (beforePumping_) beforePumping_();
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // The quit belongs to the outer message loop; hand it back for that loop to see.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace tavo
