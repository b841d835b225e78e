#pragma once
// File services. Paths are UTF-8 Windows paths ("C:\folder\name.gmx").
#include <optional>
#include <string>
#include <vector>

namespace tavo {

enum class ReadStatus { Ok, Missing, Failed };

struct ReadResult {
    ReadStatus status = ReadStatus::Failed;
    std::string bytes;
};

class Files {
public:
    virtual ~Files() = default;
    virtual ReadResult ReadAll(const std::string& path) = 0;
    // True for an existing file (not a folder).
    virtual bool FileExists(const std::string& path) = 0;
    // Writes the whole content to a temporary file in the same folder and only then
    // replaces the file at `path` with it: the old file survives any failure.
    virtual bool ReplaceFile(const std::string& path, const std::string& bytes) = 0;
    // Copies, replacing an existing destination.
    virtual bool CopyFile(const std::string& from, const std::string& to) = 0;
    virtual bool DeleteFile(const std::string& path) = 0;
    // Names (without folder) of the files in `folder` matching a wildcard pattern such
    // as "*.GMX", in the order the system lists them.
    virtual std::vector<std::string> FindFiles(const std::string& folder,
                                               const std::string& pattern) = 0;
};

}  // namespace tavo
