// The atomic writer's file calls on Windows: wide paths, and reasons in UTF-8.
#include "platform/atomic_file_system.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <algorithm>
#include <cwctype>

namespace tavo::atomic_file_system {

namespace fs = std::filesystem;

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

namespace {

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

}  // namespace

std::string Reason(const std::error_code& error) {
    if (error.category() == std::system_category())
        return SystemMessage(static_cast<DWORD>(error.value()));
    return error.message();
}

}  // namespace tavo::atomic_file_system
