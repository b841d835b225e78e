#include "skin/win32/skin_loader.h"

#include <windows.h>

#include <memory>
#include <string>

#include "skin/skin_file.h"

namespace tavo::skin {
namespace {

constexpr UINT kPathCodePage = 936;

struct FileCloser {
    void operator()(HANDLE file) const { CloseHandle(file); }
};
using UniqueFile = std::unique_ptr<void, FileCloser>;

std::optional<std::wstring> Widen(const char* text) {
    const int n = MultiByteToWideChar(kPathCodePage, MB_ERR_INVALID_CHARS, text, -1, nullptr, 0);
    if (n <= 1) return std::nullopt;
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    if (MultiByteToWideChar(kPathCodePage, MB_ERR_INVALID_CHARS, text, -1, wide.data(), n) != n) return std::nullopt;
    wide.resize(static_cast<std::size_t>(n - 1));
    return wide;
}

std::optional<std::string> ReadWhole(const std::wstring& path) {
    // The caller deletes the file right after the call: share delete so it may.
    UniqueFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        file.release();
        return std::nullopt;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > static_cast<LONGLONG>(kMaxSkinFileSize))
        return std::nullopt;
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() && (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ||
                           read != bytes.size()))
        return std::nullopt;
    return bytes;
}

}  // namespace

std::optional<SkinTheme> LoadSkin(const char* path936) {
    if (!path936) return std::nullopt;
    const auto path = Widen(path936);
    const auto bytes = path ? ReadWhole(*path) : std::nullopt;
    if (!bytes) return std::nullopt;
    return ParseSkinFile(*bytes).theme;
}

}  // namespace tavo::skin
