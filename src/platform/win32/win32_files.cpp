#include "platform/win32/win32_files.h"

#include <windows.h>

#include <limits>

#include "platform/atomic_file.h"
#include "platform/win32/code_page.h"
#include "platform/win32/kernel_handles.h"

#undef CopyFile
#undef DeleteFile
#undef ReplaceFile

namespace tavo {
namespace {

bool IsFolder(DWORD attributes) {
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool ReadContent(HANDLE file, std::string& out) {
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size) || size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) > std::numeric_limits<DWORD>::max())
        return false;
    out.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t done = 0;
    while (done < out.size()) {
        DWORD got = 0;
        const DWORD want = static_cast<DWORD>(out.size() - done);
        if (!ReadFile(file, out.data() + done, want, &got, nullptr)) return false;
        if (got == 0) break;  // the file shrank meanwhile
        done += got;
    }
    out.resize(done);
    return true;
}

}  // namespace

ReadResult Win32Files::ReadAll(const std::string& path) {
    const std::wstring wide = Utf8ToWide(path);
    if (IsFolder(GetFileAttributesW(wide.c_str()))) return {ReadStatus::Failed, {}};
    UniqueFileHandle file(CreateFileW(wide.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        const DWORD error = GetLastError();
        const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        return {missing ? ReadStatus::Missing : ReadStatus::Failed, {}};
    }
    ReadResult result{ReadStatus::Ok, {}};
    if (!ReadContent(file.Get(), result.bytes)) return {ReadStatus::Failed, {}};
    return result;
}

bool Win32Files::FileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(Utf8ToWide(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !IsFolder(attributes);
}

bool Win32Files::ReplaceFile(const std::string& path, const std::string& bytes) {
    return ReplaceFileAtomically(path, bytes).ok;
}

bool Win32Files::CopyFile(const std::string& from, const std::string& to) {
    return CopyFileW(Utf8ToWide(from).c_str(), Utf8ToWide(to).c_str(), FALSE) != 0;
}

bool Win32Files::DeleteFile(const std::string& path) {
    return DeleteFileW(Utf8ToWide(path).c_str()) != 0;
}

std::vector<std::string> Win32Files::FindFiles(const std::string& folder,
                                               const std::string& pattern) {
    std::wstring query = Utf8ToWide(folder);
    if (!query.empty() && query.back() != L'\\' && query.back() != L'/') query += L'\\';
    query += Utf8ToWide(pattern);
    std::vector<std::string> names;
    WIN32_FIND_DATAW found{};
    UniqueFindHandle search(FindFirstFileW(query.c_str(), &found));
    if (!search) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
            names.push_back(WideToUtf8(found.cFileName));
    } while (FindNextFileW(search.Get(), &found));
    return names;
}

}  // namespace tavo
