#include "platform/win32/win32_window_queries.h"

#include <windows.h>

#include <string>

#include "platform/win32/code_page.h"

namespace tavo {
namespace {

HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
WindowHandle ToHandle(HWND window) { return reinterpret_cast<WindowHandle>(window); }

}  // namespace

bool Win32WindowQueries::Exists(WindowHandle window) {
    const HWND h = ToHwnd(window);
    return h != nullptr && IsWindow(h) && GetWindow(h, GW_HWNDFIRST) != nullptr;
}

WindowHandle Win32WindowQueries::WindowFromPoint(int x, int y) {
    return ToHandle(::WindowFromPoint(POINT{x, y}));
}

WindowHandle Win32WindowQueries::DesktopIconList() {
    const HWND manager = FindWindowA(nullptr, "Program Manager");
    if (!manager) return 0;
    const HWND view = FindWindowExA(manager, nullptr, "SHELLDLL_DefView", nullptr);
    if (!view) return 0;
    return ToHandle(FindWindowExA(view, nullptr, "SysListView32", nullptr));
}

WindowHandle Win32WindowQueries::DesktopWindow() { return ToHandle(GetDesktopWindow()); }

ScreenRect Win32WindowQueries::WindowRect(WindowHandle window) {
    RECT r{};
    if (!GetWindowRect(ToHwnd(window), &r)) return {};
    return {r.left, r.top, r.right, r.bottom};
}

// Wide, whatever the system's code page: a title the code page cannot spell still
// compares as the user typed it.
std::string Win32WindowQueries::ClassName(WindowHandle window) {
    wchar_t buffer[256] = {};
    const int length = GetClassNameW(ToHwnd(window), buffer, 256);
    return length > 0 ? WideToUtf8(std::wstring_view(buffer, static_cast<std::size_t>(length)))
                      : std::string();
}

WindowHandle Win32WindowQueries::Parent(WindowHandle window) {
    return ToHandle(GetParent(ToHwnd(window)));
}

std::string Win32WindowQueries::WindowText(WindowHandle window) {
    const HWND h = ToHwnd(window);
    const int length = GetWindowTextLengthW(h);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(h, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return WideToUtf8(text);
}

ScreenSize Win32WindowQueries::PrimaryScreenSize() {
    return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

bool Win32WindowQueries::IsOwnWindow(WindowHandle window) {
    DWORD process = 0;
    if (!GetWindowThreadProcessId(ToHwnd(window), &process)) return false;
    return process == GetCurrentProcessId();
}

ScreenPoint Win32WindowQueries::ScreenToClient(WindowHandle window, ScreenPoint point) {
    POINT p{point.x, point.y};
    ::ScreenToClient(ToHwnd(window), &p);
    return {p.x, p.y};
}

void Win32WindowQueries::MovePointer(ScreenPoint point) { SetCursorPos(point.x, point.y); }

}  // namespace tavo
