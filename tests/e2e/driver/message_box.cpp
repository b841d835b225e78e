#include "driver/message_box.h"

#include "driver/poll.h"
#include "driver/windows.h"

namespace e2e {

namespace {

BOOL CALLBACK CollectChild(HWND child, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
    return TRUE;
}

}  // namespace

HWND FindOwnedDialog(HWND owner, const std::wstring& title) {
    DWORD pid = 0;
    GetWindowThreadProcessId(owner, &pid);
    for (HWND w : TopLevelWindows(pid)) {
        if (!IsWindowVisible(w) || GetWindow(w, GW_OWNER) != owner || ClassNameOf(w) != L"#32770") continue;
        if (title.empty() || ReadText(w).value_or(L"") == title) return w;
    }
    return nullptr;
}

HWND WaitForOwnedDialog(HWND owner, std::chrono::milliseconds timeout, const std::wstring& title) {
    return PollUntil([&] { return FindOwnedDialog(owner, title); }, [](HWND w) { return w != nullptr; }, timeout)
        .last;
}

std::wstring MessageText(HWND box) {
    std::vector<HWND> children;
    EnumChildWindows(box, CollectChild, reinterpret_cast<LPARAM>(&children));
    std::wstring text;
    for (HWND child : children) {
        if (_wcsicmp(ClassNameOf(child).c_str(), L"Static") != 0) continue;
        const std::wstring part = ReadText(child).value_or(L"");
        if (part.empty()) continue;
        if (!text.empty()) text += L"\n";
        text += part;
    }
    return text;
}

bool Answer(HWND box, int buttonId) {
    HWND button = GetDlgItem(box, buttonId);
    if (!button) return false;
    return PostMessageW(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(button)) != 0;
}

bool ChooseFileInDialog(HWND owner, const std::wstring& title, const std::wstring& path,
                        std::chrono::milliseconds timeout) {
    constexpr int kFileNameControl = 1148;
    HWND dialog = WaitForOwnedDialog(owner, timeout, title);
    HWND name = dialog ? WaitForControl(dialog, kFileNameControl, timeout) : nullptr;
    DWORD_PTR ok = 0;
    if (!name || !SendMessageTimeoutW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()), SMTO_ABORTIFHUNG,
                                      2000, &ok)) {
        return false;
    }
    PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    return PollUntil([&] { return IsWindow(dialog) != FALSE; }, [](bool open) { return !open; }, timeout).ok;
}

}  // namespace e2e
