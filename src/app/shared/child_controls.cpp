#include "app/shared/child_controls.h"

#include <algorithm>

#include "platform/win32/code_page.h"

namespace tavo {

HWND CreateChildControl(HWND parent, HINSTANCE instance, int id, const wchar_t* className,
                        const wchar_t* text, DWORD style, DWORD exStyle) {
    return CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                           nullptr);
}

bool IsWithin(HWND window, HWND control) {
    return window && control && (window == control || IsChild(control, window));
}

std::wstring WindowTextWide(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(std::max(length, 0)) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(copied, 0)));
    return text;
}

std::string WindowText(HWND window) { return WideToUtf8(WindowTextWide(window)); }

void SetChildrenFont(HWND parent, HFONT font) {
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM f) {
            SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(f), TRUE);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(font));
}

void ViewText::Put(HWND edit, const std::string& text) {
    if (WindowText(edit) == text) return;
    putting_ = true;
    SetWindowTextW(edit, Utf8ToWide(text).c_str());
    const int end = GetWindowTextLengthW(edit);
    SendMessageW(edit, EM_SETSEL, static_cast<WPARAM>(end), end);
    putting_ = false;
}

}  // namespace tavo
