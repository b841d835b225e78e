#include "platform/atomic_file.h"

#include <fcntl.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <cwctype>

#include <io.h>
#include <sys/stat.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace tavo {
namespace {

namespace fs = std::filesystem;

// The few calls that differ: file descriptors on both systems, wide paths on Windows.
#ifdef _WIN32
int CreateNew(const fs::path& path) {
    return _wopen(path.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY,
                  _S_IREAD | _S_IWRITE);
}
int WriteSome(int file, const char* data, unsigned size) { return _write(file, data, size); }
int FlushToDisk(int file) { return _commit(file); }  // FlushFileBuffers underneath
int CloseFile(int file) { return _close(file); }

// MoveFileExW rather than std::filesystem::rename: the move itself goes through to the
// disk, and the reason for a failure survives.
std::error_code MoveOver(const fs::path& from, const fs::path& to) {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return {};
    return {static_cast<int>(GetLastError()), std::system_category()};
}

std::string ToUtf8(const wchar_t* text, int length) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(std::max(size, 0)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, length, utf8.data(), size, nullptr, nullptr);
    return utf8;
}

// std::system_category words a Windows error in the ANSI code page; the messages are
// UTF-8, and English where the system has it, like the C library's for errno.
std::string SystemMessage(DWORD code) {
    const DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                        FORMAT_MESSAGE_IGNORE_INSERTS;
    wchar_t* text = nullptr;
    DWORD length = 0;
    for (const WORD language : {MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US),
                                MAKELANGID(LANG_NEUTRAL, SUBLANG_DEFAULT)}) {
        length = FormatMessageW(flags, nullptr, code, language, reinterpret_cast<LPWSTR>(&text),
                                0, nullptr);
        if (length != 0) break;
    }
    while (length > 0 && std::iswspace(text[length - 1])) --length;  // it ends in "\r\n"
    std::string message = ToUtf8(text, static_cast<int>(length));
    LocalFree(text);
    return message.empty() ? "Windows error " + std::to_string(code) : message;
}

std::string Reason(const std::error_code& error) {
    if (error.category() == std::system_category())
        return SystemMessage(static_cast<DWORD>(error.value()));
    return error.message();
}
#else
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
#endif

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
