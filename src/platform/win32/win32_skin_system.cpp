#include "platform/win32/win32_skin_system.h"

#include <psapi.h>

#include "platform/win32/code_page.h"

namespace tavo {
namespace {

constexpr DWORD kQueryAndRead = PROCESS_QUERY_INFORMATION | PROCESS_VM_READ;  // 1040
constexpr DWORD kNameBuffer = 260;
constexpr wchar_t kResourceType[] = L"CUSTOM";

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
    char name[kNameBuffer] = {};
    DWORD length = 0;
    const bool listed = EnumProcessModules(process, &first, sizeof(first), &needed) != FALSE;
    if (listed) length = GetModuleFileNameExA(process, first, name, kNameBuffer);
    CloseHandle(process);
    if (!listed) return std::nullopt;
    return codePage_.Decode(std::string_view(name, length));
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
