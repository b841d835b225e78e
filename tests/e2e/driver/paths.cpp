#include "driver/paths.h"

#include <windows.h>

namespace e2e {

namespace {

std::wstring Env(const wchar_t* name) {
    wchar_t buffer[1024];
    const DWORD n = GetEnvironmentVariableW(name, buffer, 1024);
    return n > 0 && n < 1024 ? std::wstring(buffer, n) : std::wstring();
}

std::wstring ThisExeDir() {
    wchar_t buffer[MAX_PATH];
    const DWORD n = GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    return DirectoryOf(std::wstring(buffer, n));
}

}  // namespace

std::wstring DirectoryOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : path.substr(0, slash);
}

bool FileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::wstring TavoExePath() {
    const std::wstring set = Env(L"TAVO_EXE");
    return set.empty() ? ThisExeDir() + L"\\..\\..\\src\\app\\tavo.exe" : set;
}

std::wstring PracticeTargetExePath() {
    const std::wstring set = Env(L"PRACTICE_TARGET_EXE");
    return set.empty() ? ThisExeDir() + L"\\practice_target.exe" : set;
}

std::wstring TavoCliExePath() {
    const std::wstring set = Env(L"TAVO_CLI_EXE");
    return set.empty() ? ThisExeDir() + L"\\..\\..\\src\\cli\\tavo-cli.exe" : set;
}

std::wstring WorkDir() {
    std::wstring dir = Env(L"E2E_WORKDIR");
    if (dir.empty()) {
        wchar_t temp[MAX_PATH];
        const DWORD n = GetTempPathW(MAX_PATH, temp);
        dir = std::wstring(temp, n) + L"tavo-e2e";
    }
    CreateDirectoryW(dir.c_str(), nullptr);
    return dir;
}

std::wstring FreshWorkFile(const std::wstring& stem, const std::wstring& extension) {
    static unsigned counter = 0;
    return WorkDir() + L"\\" + stem + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(++counter) + extension;
}

std::string ReadWholeFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string content;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) content.append(chunk, got);
    CloseHandle(file);
    return content;
}

bool WriteWholeFile(const std::wstring& path, const std::string& bytes) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD wrote = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &wrote, nullptr) &&
                    wrote == bytes.size();
    CloseHandle(file);
    return ok;
}

std::wstring FreshTavoFolder(const std::wstring& stem) {
    const std::wstring folder = FreshWorkFile(stem, L"");
    if (!CreateDirectoryW(folder.c_str(), nullptr)) return {};
    const std::wstring exe = folder + L"\\tavo.exe";
    return CopyFileW(TavoExePath().c_str(), exe.c_str(), TRUE) ? exe : std::wstring();
}

}  // namespace e2e
