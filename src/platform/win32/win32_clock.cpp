#include "platform/win32/win32_clock.h"

#include <windows.h>

#include "platform/win32/win32_event_pump.h"

namespace tavo {

LocalDateTime Win32Clock::Now() {
    SYSTEMTIME t{};
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond};
}

std::int64_t Win32Clock::MonotonicMilliseconds() {
    return static_cast<std::int64_t>(GetTickCount64());
}

void Win32Clock::Sleep(int ms) {
    if (pump_)
        pump_->Wait(ms);
    else
        ::Sleep(static_cast<DWORD>(ms > 0 ? ms : 0));
}

}  // namespace tavo
