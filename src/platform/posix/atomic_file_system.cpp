// The atomic writer's file calls on POSIX systems.
#include "platform/atomic_file_system.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

namespace tavo::atomic_file_system {

namespace fs = std::filesystem;

int CreateNew(const fs::path& path) {
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}
int WriteSome(int file, const char* data, unsigned size) {
    return static_cast<int>(::write(file, data, size));
}
int FlushToDisk(int file) { return ::fsync(file); }
int CloseFile(int file) { return ::close(file); }

std::error_code MoveOver(const fs::path& from, const fs::path& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) return {errno, std::generic_category()};
    // As a write-through move does: the new folder entry reaches the disk too. Only
    // best effort, since the file has been replaced already.
    const fs::path folder = to.has_parent_path() ? to.parent_path() : fs::path(".");
    const int handle = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle >= 0) {
        ::fsync(handle);
        ::close(handle);
    }
    return {};
}

std::string Reason(const std::error_code& error) { return error.message(); }

}  // namespace tavo::atomic_file_system
