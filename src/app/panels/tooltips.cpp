#include "app/panels/tooltips.h"

#include <commctrl.h>

#include "platform/win32/code_page.h"

namespace tavo {

bool Tooltips::Create(HWND owner, HINSTANCE instance) {
    // TTS_ALWAYSTIP: the tips show while another window is active too.
    tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                            WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                            instance, nullptr);
    if (!tips_) return false;
    // Without a width a tip is one line, whatever "\n" it holds.
    constexpr LPARAM kMaxTipWidth = 400;
    SendMessageW(tips_, TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
    return true;
}

void Tooltips::Add(HWND control, const std::string& utf8Text) {
    if (!tips_ || !control) return;
    std::wstring text = Utf8ToWide(utf8Text);  // copied by the tooltip window
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text.data();
    SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Tooltips::AddArea(HWND window, UINT_PTR id, const RECT& area,
                       const std::string& utf8Text) {
    if (!tips_ || !window) return;
    std::wstring text = Utf8ToWide(utf8Text);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = window;
    tool.uId = id;
    tool.rect = area;
    tool.lpszText = text.data();
    SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Tooltips::MoveArea(HWND window, UINT_PTR id, const RECT& area) {
    if (!tips_) return;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = window;
    tool.uId = id;
    tool.rect = area;
    SendMessageW(tips_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Tooltips::SetText(HWND control, const std::string& utf8Text) {
    if (!tips_ || !control) return;
    std::wstring text = Utf8ToWide(utf8Text);
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof(tool);
    tool.hwnd = GetParent(control);
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text.data();
    SendMessageW(tips_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void Tooltips::SetFont(HFONT font) {
    if (tips_) SendMessageW(tips_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

}  // namespace tavo
