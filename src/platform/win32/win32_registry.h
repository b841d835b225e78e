#pragma once
#include <windows.h>

#include "platform/registry.h"

namespace tavo {

// Text values under HKEY_CURRENT_USER\Software\Tavo, stored as REG_SZ.
class Win32Registry final : public Registry {
public:
    std::optional<std::string> Read(const std::string& valueName) override;
    bool Write(const std::string& valueName, const std::string& text) override;
};

// An open registry key, closed when it goes out of scope.
class RegistryKey {
public:
    RegistryKey() = default;
    explicit RegistryKey(HKEY key) : key_(key) {}
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    ~RegistryKey() {
        if (key_) RegCloseKey(key_);
    }
    HKEY Get() const { return key_; }
    HKEY* Out() { return &key_; }  // for the Reg*Key calls; the key must be empty

private:
    HKEY key_ = nullptr;
};

}  // namespace tavo
