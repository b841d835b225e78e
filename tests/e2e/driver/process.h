#pragma once
// A launched program. The handle is kept so that the program can always be ended, and
// the destructor ends a program still running: a failed test leaves nothing behind.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e {

class Process {
public:
    Process() = default;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;
    ~Process();

    // Throws std::runtime_error when the program cannot be started. `output`, an
    // inheritable handle, takes its standard output and errors.
    static Process Launch(const std::wstring& exe, const std::vector<std::wstring>& args,
                          const std::wstring& workDir = L"", HANDLE output = nullptr);
    // With the text after the program's name exactly as given, quotes and all.
    static Process LaunchWithTail(const std::wstring& exe, const std::wstring& tail, const std::wstring& workDir = L"",
                                  HANDLE output = nullptr);

    bool Started() const { return handle_ != nullptr; }
    bool Running() const;
    DWORD Id() const { return id_; }
    HANDLE Handle() const { return handle_; }
    bool WaitForExit(DWORD timeoutMs) const;
    DWORD ExitCode() const;  // STILL_ACTIVE while running
    void Terminate();        // ends it if still running and waits briefly for the end

private:
    void Release();

    HANDLE handle_ = nullptr;
    DWORD id_ = 0;
};

// Runs a console program to its end with its standard output going to a file of the
// work folder; nullopt when it cannot start or does not end in time.
struct ConsoleRun {
    DWORD exitCode = 0;
    std::string output;
};
std::optional<ConsoleRun> RunConsole(const std::wstring& exe, const std::vector<std::wstring>& args,
                                     DWORD timeoutMs = 20000);

// One argument quoted for CreateProcess' command line (the MSVC runtime's rules).
std::wstring QuoteArgument(const std::wstring& arg);

}  // namespace e2e
