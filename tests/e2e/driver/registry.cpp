#include "driver/registry.h"

#include <windows.h>

#include <stdexcept>

namespace e2e {

namespace {

constexpr const wchar_t* kTavoKey = L"Software\\Tavo";

}  // namespace

void ResetTavoRegistry() {
    const LSTATUS status = RegDeleteTreeW(HKEY_CURRENT_USER, kTavoKey);
    if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND)
        throw std::runtime_error("cannot remove HKCU\\Software\\Tavo: error " + std::to_string(status));
}

std::optional<std::wstring> ReadTavoValue(const std::wstring& name) {
    DWORD bytes = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, kTavoKey, name.c_str(), RRF_RT_REG_SZ, nullptr, nullptr, &bytes) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    if (RegGetValueW(HKEY_CURRENT_USER, kTavoKey, name.c_str(), RRF_RT_REG_SZ, nullptr, text.data(), &bytes) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    text.resize(wcsnlen(text.c_str(), text.size()));
    return text;
}

bool WriteTavoValue(const std::wstring& name, const std::wstring& text) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kTavoKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return false;
    }
    const DWORD bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    const bool ok = RegSetValueExW(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes) ==
                    ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

}  // namespace e2e
