#pragma once
// The few file calls the atomic writer needs that differ between the systems: file
// descriptors on both, wide paths on Windows. Each system's folder implements them.
#include <filesystem>
#include <string>
#include <system_error>

namespace tavo::atomic_file_system {

// Creates `path` for writing only when it does not exist; -1 (errno set) otherwise.
int CreateNew(const std::filesystem::path& path);
int WriteSome(int file, const char* data, unsigned size);
int FlushToDisk(int file);
int CloseFile(int file);
// Renames `from` over `to`, through to the disk.
std::error_code MoveOver(const std::filesystem::path& from, const std::filesystem::path& to);
// The error in words, UTF-8.
std::string Reason(const std::error_code& error);

}  // namespace tavo::atomic_file_system
