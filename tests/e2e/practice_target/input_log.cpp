#include "practice_target/input_log.h"

#include <cstdio>

namespace practice {

namespace {

struct NamedMessage {
    UINT msg;
    const char* name;
};

constexpr NamedMessage kNames[] = {
    {WM_KEYDOWN, "WM_KEYDOWN"},         {WM_KEYUP, "WM_KEYUP"},
    {WM_CHAR, "WM_CHAR"},               {WM_DEADCHAR, "WM_DEADCHAR"},
    {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"},   {WM_SYSKEYUP, "WM_SYSKEYUP"},
    {WM_SYSCHAR, "WM_SYSCHAR"},         {WM_SYSDEADCHAR, "WM_SYSDEADCHAR"},
    {WM_UNICHAR, "WM_UNICHAR"},         {WM_MOUSEMOVE, "WM_MOUSEMOVE"},
    {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"}, {WM_LBUTTONUP, "WM_LBUTTONUP"},
    {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"}, {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"},
    {WM_RBUTTONUP, "WM_RBUTTONUP"},     {WM_RBUTTONDBLCLK, "WM_RBUTTONDBLCLK"},
    {WM_MBUTTONDOWN, "WM_MBUTTONDOWN"}, {WM_MBUTTONUP, "WM_MBUTTONUP"},
    {WM_MBUTTONDBLCLK, "WM_MBUTTONDBLCLK"}, {WM_MOUSEWHEEL, "WM_MOUSEWHEEL"},
    {WM_XBUTTONDOWN, "WM_XBUTTONDOWN"}, {WM_XBUTTONUP, "WM_XBUTTONUP"},
    {WM_XBUTTONDBLCLK, "WM_XBUTTONDBLCLK"}, {WM_MOUSEHWHEEL, "WM_MOUSEHWHEEL"},
    {WM_HOTKEY, "WM_HOTKEY"},
};

bool IsMouseMessage(UINT msg) { return msg >= WM_MOUSEFIRST && msg <= WM_MOUSELAST; }

}  // namespace

bool IsLoggedMessage(UINT msg) {
    return (msg >= WM_KEYFIRST && msg <= WM_KEYLAST) || IsMouseMessage(msg) || msg == WM_HOTKEY;
}

std::string MessageName(UINT msg) {
    for (const NamedMessage& n : kNames) {
        if (n.msg == msg) return n.name;
    }
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "WM_0x%04X", msg);
    return buffer;
}

std::string FormatInputLine(UINT msg, WPARAM wParam, LPARAM lParam, bool ctrl, bool shift) {
    // Only the low 32 bits of lParam carry data for input messages; printing them alone
    // keeps the text the same whether the sender sign-extended or not.
    const auto low = static_cast<unsigned long>(static_cast<unsigned long long>(lParam) & 0xFFFFFFFFull);
    char buffer[160];
    int n = std::snprintf(buffer, sizeof buffer, "msg=0x%04X name=%s wParam=0x%llx lParam=0x%08lx ctrl=%d shift=%d", msg,
                          MessageName(msg).c_str(), static_cast<unsigned long long>(wParam), low, ctrl ? 1 : 0,
                          shift ? 1 : 0);
    std::string line(buffer, static_cast<size_t>(n));
    if (IsMouseMessage(msg) && msg != WM_MOUSEWHEEL && msg != WM_MOUSEHWHEEL) {
        const int x = static_cast<short>(LOWORD(low));
        const int y = static_cast<short>(HIWORD(low));
        std::snprintf(buffer, sizeof buffer, " x=%d y=%d", x, y);
        line += buffer;
    }
    return line;
}

InputLog::~InputLog() {
    if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
}

bool InputLog::Open(const std::wstring& path) {
    if (path.empty()) return true;
    // Shared for reading, writing and deleting so that a test can read and remove the
    // file while the target still runs.
    file_ = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                        nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    return file_ != INVALID_HANDLE_VALUE;
}

void InputLog::Write(const std::string& line) {
    if (file_ == INVALID_HANDLE_VALUE) return;
    const std::string text = line + "\r\n";
    DWORD written = 0;
    WriteFile(file_, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    FlushFileBuffers(file_);
}

}  // namespace practice
