#pragma once
// The practice target (tests/e2e/practice_target) launched as a separate program, with
// its input log.
#include <windows.h>

#include <string>
#include <vector>

#include "driver/process.h"

namespace e2e {

struct TargetSetup {
    std::wstring title = L"Tavo practice target";
    std::wstring className = L"MozillaWindowClassTavoPractice";
    int x = 0, y = 0, width = 800, height = 600;
    bool menu = false;
    bool ansi = false;  // an ANSI window: characters arrive in the system code page
    std::wstring pictures = L"normal";  // --pictures: normal, rotated or blank

    // A setup whose window rectangle is centred on the screen centre.
    static TargetSetup Centred(const std::wstring& className, int width, int height);
};

class PracticeTarget {
public:
    // Launches and waits (bounded) for the window; throws std::runtime_error if it does
    // not appear.
    void Start(const TargetSetup& setup);
    // Launches with no arguments at all (the demo defaults); no log.
    void StartDefault();

    HWND Window() const { return window_; }
    const Process& Proc() const { return process_; }
    const std::wstring& LogPath() const { return logPath_; }

    std::vector<std::string> LogLines() const;
    // The input lines ("msg=...") whose name is in `names`; every input line if empty.
    std::vector<std::string> InputLines(const std::vector<std::string>& names = {}) const;

    bool Close(DWORD timeoutMs = 5000);  // WM_CLOSE, then waits for the exit
    void Kill() { process_.Terminate(); }

private:
    void WaitForWindow(const std::wstring& className, const std::wstring& title);

    Process process_;
    HWND window_ = nullptr;
    std::wstring logPath_;
};

}  // namespace e2e
