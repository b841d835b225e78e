#include "platform/win32/win32_skin_system.h"

#include <psapi.h>

#include "platform/win32/code_page.h"

namespace tavo {
namespace {

constexpr DWORD kQueryAndRead = PROCESS_QUERY_INFORMATION | PROCESS_VM_READ;  // 1040
constexpr DWORD kFirstNameBuffer = MAX_PATH;
constexpr DWORD kLongestPath = 32768;
constexpr wchar_t kResourceType[] = L"CUSTOM";

// The wide name, whatever its length: the ANSI one loses every character outside the
// system's code page, and with it the folder the library is loaded from.
std::wstring ModuleFileName(HANDLE process, HMODULE module) {
    for (DWORD size = kFirstNameBuffer; size <= kLongestPath; size *= 2) {
        std::wstring name(size, L'\0');
        const DWORD n = GetModuleFileNameExW(process, module, name.data(), size);
        if (n == 0) return {};
        if (n < size - 1) {
            name.resize(n);
            return name;
        }
    }
    return {};
}

std::optional<std::string> ResourceBytes(const wchar_t* name) {
    HRSRC found = FindResourceW(nullptr, name, kResourceType);
    if (!found) return std::nullopt;
    HGLOBAL loaded = LoadResource(nullptr, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return std::nullopt;
    return std::string(static_cast<const char*>(bytes), SizeofResource(nullptr, found));
}

struct WindowCount {
    DWORD process;
    int count;
};

// The program's windows are its captioned top-level ones: tooltips, menus and the
// system's helper windows do not count.
BOOL CALLBACK CountWindow(HWND window, LPARAM param) {
    auto* c = reinterpret_cast<WindowCount*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == c->process && (GetWindowLongW(window, GWL_STYLE) & WS_CAPTION) == WS_CAPTION) ++c->count;
    return TRUE;
}

}  // namespace

std::optional<std::string> Win32SkinSystem::ExecutableName() {
    DWORD id = 0;
    if (!GetWindowThreadProcessId(window_, &id)) return std::nullopt;
    HANDLE process = OpenProcess(kQueryAndRead, FALSE, id);
    if (!process) return std::nullopt;
    HMODULE first = nullptr;
    DWORD needed = 0;
    std::wstring name;
    const bool listed = EnumProcessModules(process, &first, sizeof(first), &needed) != FALSE;
    if (listed) name = ModuleFileName(process, first);
    CloseHandle(process);
    if (!listed) return std::nullopt;
    return WideToUtf8(name);
}

std::optional<std::string> Win32SkinSystem::Resource(const std::string& name) {
    return ResourceBytes(Utf8ToWide(name).c_str());
}

std::optional<std::string> Win32SkinSystem::Resource(int number) {
    if (number < 1 || number > 0xFFFF) return std::nullopt;
    return ResourceBytes(MAKEINTRESOURCEW(number));
}

int Win32SkinSystem::OpenWindowCount() {
    WindowCount c{GetCurrentProcessId(), 0};
    EnumWindows(CountWindow, reinterpret_cast<LPARAM>(&c));
    return c.count;
}

}  // namespace tavo
