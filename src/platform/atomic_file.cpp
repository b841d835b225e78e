// Replaces a file through a complete temporary one; the system calls it needs are
// each system's own (atomic_file_system.h).
#include "platform/atomic_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#include "platform/atomic_file_system.h"

namespace tavo {
namespace {

namespace fs = std::filesystem;
using namespace atomic_file_system;

std::error_code LastError() { return {errno, std::generic_category()}; }

std::string Shown(const fs::path& path) {
    const std::u8string text = path.u8string();
    std::string shown(1, '"');
    shown.append(text.begin(), text.end());
    shown += '"';
    return shown;
}

FileWriteResult Failed(const std::string& what, const std::error_code& why) {
    return {false, what + ": " + Reason(why)};
}

// Opens a file of a fresh name beside `target`, never one that exists already.
int CreateTemporaryBeside(const fs::path& target, fs::path& temporary) {
    std::random_device random;
    int file = -1;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = target;
        temporary += ".tmp-" + std::to_string(random() % 1000000000u);
        file = CreateNew(temporary);
        if (file >= 0 || errno != EEXIST) break;
    }
    return file;
}

std::error_code WriteAll(int file, std::string_view bytes) {
    while (!bytes.empty()) {
        const auto chunk = static_cast<unsigned>(std::min<std::size_t>(bytes.size(), 1u << 20));
        const int wrote = WriteSome(file, bytes.data(), chunk);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote < 0) return LastError();
        if (wrote == 0) return std::make_error_code(std::errc::io_error);
        bytes.remove_prefix(static_cast<std::size_t>(wrote));
    }
    return FlushToDisk(file) == 0 ? std::error_code{} : LastError();
}

// Closes `file` whatever happens: a failed close may be a write that failed late.
std::error_code WriteAndClose(int file, std::string_view bytes) {
    std::error_code error = WriteAll(file, bytes);
    if (CloseFile(file) != 0 && !error) error = LastError();
    return error;
}

FileWriteResult ReplaceAt(const fs::path& target, std::string_view bytes) {
    if (!target.has_filename())
        return Failed("cannot replace " + Shown(target),
                      std::make_error_code(std::errc::invalid_argument));
    fs::path temporary;
    const int file = CreateTemporaryBeside(target, temporary);
    if (file < 0) return Failed("cannot create " + Shown(temporary), LastError());
    FileWriteResult result{true, {}};
    if (const std::error_code error = WriteAndClose(file, bytes))
        result = Failed("cannot write " + Shown(temporary), error);
    else if (const std::error_code moveError = MoveOver(temporary, target))
        result = Failed("cannot replace " + Shown(target), moveError);
    if (!result.ok) {
        std::error_code ignored;
        fs::remove(temporary, ignored);
    }
    return result;
}

}  // namespace

FileWriteResult ReplaceFileAtomically(std::string_view utf8Path, std::string_view bytes) {
    fs::path target;
    try {
        target = fs::path(std::u8string(utf8Path.begin(), utf8Path.end()));
    } catch (const fs::filesystem_error& e) {  // not UTF-8 (Windows converts to UTF-16)
        return Failed("cannot replace \"" + std::string(utf8Path) + '"', e.code());
    }
    return ReplaceAt(target, bytes);
}

}  // namespace tavo
