#pragma once
// Whole-file reads and writes that never leave a partly written output.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tavo::cli {

class IoError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::filesystem::path PathFromUtf8(std::string_view utf8);

std::string ReadWholeFile(const std::filesystem::path& path);

// Replaces `path` through ReplaceFileAtomically (platform/atomic_file.h), so a failure
// leaves either the old file or none; throws IoError with what failed.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes);

}  // namespace tavo::cli
