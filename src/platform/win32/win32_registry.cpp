#include "platform/win32/win32_registry.h"

#include "platform/win32/code_page.h"

namespace tavo {
namespace {

constexpr const wchar_t* kTavoKey = L"Software\\Tavo";

}  // namespace

std::optional<std::string> Win32Registry::Read(const std::string& valueName) {
    RegistryKey key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kTavoKey, 0, KEY_QUERY_VALUE, key.Out()) != ERROR_SUCCESS)
        return std::nullopt;
    const std::wstring name = Utf8ToWide(valueName);
    // The value may change between the size query and the read; try again then.
    for (int attempt = 0; attempt < 3; ++attempt) {
        DWORD bytes = 0;
        if (RegGetValueW(key.Get(), nullptr, name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr,
                         &bytes) != ERROR_SUCCESS)
            return std::nullopt;
        std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
        bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
        const LSTATUS status = RegGetValueW(key.Get(), nullptr, name.c_str(), RRF_RT_REG_SZ,
                                            nullptr, text.data(), &bytes);
        if (status == ERROR_MORE_DATA) continue;
        if (status != ERROR_SUCCESS) return std::nullopt;
        text.resize(wcsnlen(text.c_str(), text.size()));
        return WideToUtf8(text);
    }
    return std::nullopt;
}

bool Win32Registry::Write(const std::string& valueName, const std::string& text) {
    RegistryKey key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kTavoKey, 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_SET_VALUE, nullptr, key.Out(), nullptr) != ERROR_SUCCESS)
        return false;
    const std::wstring name = Utf8ToWide(valueName);
    const std::wstring wide = Utf8ToWide(text);
    const DWORD bytes = static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(key.Get(), name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(wide.c_str()), bytes) == ERROR_SUCCESS;
}

}  // namespace tavo
