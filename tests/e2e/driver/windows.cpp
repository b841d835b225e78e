#include "driver/windows.h"

#include "driver/poll.h"

namespace e2e {

namespace {

struct ControlSearch {
    int id;
    HWND found;
};

BOOL CALLBACK CollectTopLevel(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<std::pair<DWORD, std::vector<HWND>*>*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (search->first == 0 || pid == search->first) search->second->push_back(hwnd);
    return TRUE;
}

BOOL CALLBACK MatchControlId(HWND hwnd, LPARAM param) {
    auto* search = reinterpret_cast<ControlSearch*>(param);
    if (GetDlgCtrlID(hwnd) != search->id) return TRUE;
    search->found = hwnd;
    return FALSE;
}

}  // namespace

std::vector<HWND> TopLevelWindows(DWORD processId) {
    std::vector<HWND> windows;
    std::pair<DWORD, std::vector<HWND>*> search{processId, &windows};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return windows;
}

std::wstring ClassNameOf(HWND window) {
    wchar_t buffer[256] = {};
    const int n = GetClassNameW(window, buffer, 256);
    return std::wstring(buffer, n > 0 ? static_cast<size_t>(n) : 0);
}

RECT WindowRectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

std::optional<std::wstring> ReadText(HWND window, UINT timeoutMs) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, timeoutMs, &length)) return std::nullopt;
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             timeoutMs, &copied)) {
        return std::nullopt;
    }
    text.resize(copied < length ? copied : length);
    return text;
}

std::wstring TextOrMarker(HWND window) {
    return ReadText(window).value_or(L"<no answer to WM_GETTEXT>");
}

HWND FindTopLevelWindow(DWORD processId, const std::wstring& className, const std::wstring& title) {
    for (HWND w : TopLevelWindows(processId)) {
        if (ClassNameOf(w) != className) continue;
        if (title.empty() || ReadText(w).value_or(L"") == title) return w;
    }
    return nullptr;
}

HWND WaitForTopLevelWindow(DWORD processId, const std::wstring& className, std::chrono::milliseconds timeout,
                           const std::wstring& title) {
    auto found = PollUntil([&] { return FindTopLevelWindow(processId, className, title); },
                           [](HWND w) { return w != nullptr; }, timeout);
    return found.last;
}

HWND FindControl(HWND root, int controlId) {
    ControlSearch search{controlId, nullptr};
    EnumChildWindows(root, MatchControlId, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForControl(HWND root, int controlId, std::chrono::milliseconds timeout) {
    return PollUntil([&] { return FindControl(root, controlId); }, [](HWND w) { return w != nullptr; }, timeout).last;
}

POINT ScreenCentre() { return {GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2}; }

Polled<HWND> BringToForeground(HWND window, milliseconds timeout) {
    SetForegroundWindow(window);
    return PollUntil([] { return GetForegroundWindow(); }, [&](HWND w) { return w == window; }, timeout);
}

}  // namespace e2e
