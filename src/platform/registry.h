#pragma once
// Text values under the program's per-user registry key ("HKEY_CURRENT_USER\Software\Tavo").
#include <optional>
#include <string>

namespace tavo {

inline constexpr const char* kRegistryFileName = "FileName";
inline constexpr const char* kRegistryWindowsName = "WindowsName";

class Registry {
public:
    virtual ~Registry() = default;
    // Empty when the value does not exist or cannot be read.
    virtual std::optional<std::string> Read(const std::string& valueName) = 0;
    // Stores a REG_SZ value; false when it could not be written.
    virtual bool Write(const std::string& valueName, const std::string& text) = 0;
};

}  // namespace tavo
