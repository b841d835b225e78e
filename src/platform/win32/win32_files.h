#pragma once
// No <windows.h> here: its CopyFile, DeleteFile and ReplaceFile macros would rename the
// overrides.
#include "platform/files.h"

namespace tavo {

// Files through the wide Win32 calls; paths are UTF-8.
class Win32Files final : public Files {
public:
    ReadResult ReadAll(const std::string& path) override;
    bool FileExists(const std::string& path) override;
    bool ReplaceFile(const std::string& path, const std::string& bytes) override;
    bool CopyFile(const std::string& from, const std::string& to) override;
    bool DeleteFile(const std::string& path) override;
    std::vector<std::string> FindFiles(const std::string& folder,
                                       const std::string& pattern) override;
};

}  // namespace tavo
