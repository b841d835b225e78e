#include "driver/controls.h"

#include <commctrl.h>

#include <cstdio>
#include <cwctype>

#include "driver/poll.h"
#include "driver/remote_buffer.h"
#include "driver/windows.h"

namespace e2e {

ToolbarButton ReadToolbarButton(HWND toolbar, int commandId) {
    ToolbarButton b;
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(toolbar, TB_GETSTATE, commandId, 0, SMTO_ABORTIFHUNG, 2000, &result)) return b;
    b.state = static_cast<LRESULT>(result);
    b.exists = b.state != -1;
    if (SendMessageTimeoutW(toolbar, TB_ISBUTTONENABLED, commandId, 0, SMTO_ABORTIFHUNG, 2000, &result)) {
        b.enabled = result != 0;
    }
    return b;
}

std::string Describe(const ToolbarButton& b) {
    if (!b.exists) return "no such button";
    char text[48];
    std::snprintf(text, sizeof text, "%s (state 0x%llx)", b.enabled ? "enabled" : "disabled",
                  static_cast<unsigned long long>(b.state));
    return text;
}

bool ClickToolbarButton(HWND toolbar, int commandId) {
    RemoteBuffer buffer(toolbar, sizeof(RECT));
    DWORD_PTR found = 0;
    RECT r{};
    if (!buffer.Valid() ||
        !SendMessageTimeoutW(toolbar, TB_GETRECT, commandId, buffer.Address(), SMTO_ABORTIFHUNG, 2000, &found) ||
        !found || !buffer.Read(&r, sizeof r)) {
        return false;
    }
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    PostMessageW(toolbar, WM_MOUSEMOVE, 0, at);
    PostMessageW(toolbar, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(toolbar, WM_LBUTTONUP, 0, at);
    return true;
}

namespace {

void PostKey(HWND window, wchar_t ch) {
    const SHORT vk = VkKeyScanW(ch);
    const UINT scan = MapVirtualKeyW(LOBYTE(vk), MAPVK_VK_TO_VSC);
    const LPARAM keyData = 1 | static_cast<LPARAM>(scan << 16);
    PostMessageW(window, WM_KEYDOWN, LOBYTE(vk), keyData);
    PostMessageW(window, WM_CHAR, ch, keyData);
}

}  // namespace

bool PopupMenuShown(DWORD processId) {
    for (HWND w : TopLevelWindows(processId)) {
        if (IsWindowVisible(w) && ClassNameOf(w) == L"#32768") return true;
    }
    return false;
}

bool ChooseMenuItem(HWND window, wchar_t topMnemonic, wchar_t itemMnemonic, std::chrono::milliseconds openTimeout) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    PostMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, towlower(topMnemonic));
    // An item key that arrives before the menu loop runs is lost (seen under Wine from
    // the second menu on), so the key waits for the drop-down to be on screen.
    const bool opened = PollUntil([&] { return PopupMenuShown(pid); }, [](bool shown) { return shown; }, openTimeout).ok;
    if (!opened) {
        // A disabled top menu leaves the menu bar in keyboard mode; let it go.
        PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 1);
        return false;
    }
    PostKey(window, static_cast<wchar_t>(towlower(itemMnemonic)));
    return true;
}

}  // namespace e2e
