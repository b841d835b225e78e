#include "driver/process.h"

#include <stdexcept>
#include <utility>

#include "driver/paths.h"
#include "driver/text.h"

namespace e2e {

std::wstring QuoteArgument(const std::wstring& arg) {
    if (!arg.empty() && arg.find_first_of(L" \t\"") == std::wstring::npos) return arg;
    std::wstring out = L"\"";
    size_t backslashes = 0;
    for (wchar_t c : arg) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        // Backslashes count only in front of a quote: there they must be doubled.
        out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        out += c;
    }
    out.append(backslashes * 2, L'\\');
    return out + L"\"";
}

Process Process::Launch(const std::wstring& exe, const std::vector<std::wstring>& args, const std::wstring& workDir,
                        HANDLE output) {
    std::wstring tail;
    for (const std::wstring& a : args) tail += (tail.empty() ? L"" : L" ") + QuoteArgument(a);
    return LaunchWithTail(exe, tail, workDir, output);
}

Process Process::LaunchWithTail(const std::wstring& exe, const std::wstring& tail, const std::wstring& workDir,
                               HANDLE output) {
    std::wstring commandLine = QuoteArgument(exe);
    if (!tail.empty()) commandLine += L" " + tail;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    if (output) {
        si.dwFlags = STARTF_USESTDHANDLES;
        si.hStdOutput = si.hStdError = output;
    }
    PROCESS_INFORMATION pi{};
    // Wine now and then refuses a just-copied exe with an internal error (1359); the
    // same start a moment later succeeds.
    constexpr int kTries = 3;
    bool started = false;
    for (int attempt = 1; attempt <= kTries && !started; ++attempt) {
        started = CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, output != nullptr, 0, nullptr,
                                 workDir.empty() ? nullptr : workDir.c_str(), &si, &pi) != FALSE;
        if (!started && GetLastError() != ERROR_INTERNAL_ERROR) break;
        if (!started && attempt < kTries) Sleep(200);
    }
    if (!started) {
        throw std::runtime_error("cannot start " + Narrow(exe) + ": error " + std::to_string(GetLastError()));
    }
    CloseHandle(pi.hThread);
    Process p;
    p.handle_ = pi.hProcess;
    p.id_ = pi.dwProcessId;
    return p;
}

Process::Process(Process&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), id_(std::exchange(other.id_, 0)) {}

Process& Process::operator=(Process&& other) noexcept {
    if (this != &other) {
        Release();
        handle_ = std::exchange(other.handle_, nullptr);
        id_ = std::exchange(other.id_, 0);
    }
    return *this;
}

Process::~Process() { Release(); }

void Process::Release() {
    if (!handle_) return;
    Terminate();
    CloseHandle(handle_);
    handle_ = nullptr;
    id_ = 0;
}

bool Process::Running() const { return handle_ && WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT; }

bool Process::WaitForExit(DWORD timeoutMs) const {
    return !handle_ || WaitForSingleObject(handle_, timeoutMs) == WAIT_OBJECT_0;
}

DWORD Process::ExitCode() const {
    DWORD code = 0;
    if (!handle_ || !GetExitCodeProcess(handle_, &code)) return 0;
    return code;
}

void Process::Terminate() {
    if (!Running()) return;
    TerminateProcess(handle_, 1);
    WaitForExit(5000);
}

std::optional<ConsoleRun> RunConsole(const std::wstring& exe, const std::vector<std::wstring>& args, DWORD timeoutMs) {
    const std::wstring path = FreshWorkFile(L"console", L".txt");
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherited, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::optional<ConsoleRun> run;
    try {
        Process p = Process::Launch(exe, args, L"", file);
        if (p.WaitForExit(timeoutMs)) run = ConsoleRun{p.ExitCode(), {}};
    } catch (const std::runtime_error&) {
    }
    CloseHandle(file);
    if (run) run->output = ReadWholeFile(path);
    return run;
}

}  // namespace e2e
