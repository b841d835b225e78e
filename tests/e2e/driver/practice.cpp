#include "driver/practice.h"

#include <algorithm>
#include <stdexcept>

#include "driver/paths.h"
#include "driver/text.h"
#include "driver/windows.h"

namespace e2e {

TargetSpec TargetSpec::Centred(const std::wstring& className, int width, int height) {
    const POINT c = ScreenCentre();
    TargetSpec spec;
    spec.className = className;
    spec.x = c.x - width / 2;
    spec.y = c.y - height / 2;
    spec.width = width;
    spec.height = height;
    return spec;
}

void PracticeTarget::Start(const TargetSpec& spec) {
    logPath_ = FreshWorkFile(L"practice", L".log");
    std::vector<std::wstring> args = {
        L"--title", spec.title, L"--class", spec.className, L"--x", std::to_wstring(spec.x),
        L"--y", std::to_wstring(spec.y), L"--width", std::to_wstring(spec.width),
        L"--height", std::to_wstring(spec.height), L"--log", logPath_};
    if (spec.menu) args.push_back(L"--menu");
    process_ = Process::Launch(PracticeTargetExePath(), args);
    WaitForWindow(spec.className, spec.title);
}

void PracticeTarget::StartDefault() {
    logPath_.clear();
    process_ = Process::Launch(PracticeTargetExePath(), {});
    WaitForWindow(L"MozillaWindowClassTavoPractice", L"Tavo practice target");
}

void PracticeTarget::WaitForWindow(const std::wstring& className, const std::wstring& title) {
    window_ = WaitForTopLevelWindow(process_.Id(), className, std::chrono::milliseconds(10000), title);
    if (!window_) {
        throw std::runtime_error("practice target window " + Narrow(className) + " did not appear (process " +
                                 (process_.Running() ? "running" : "ended") + ")");
    }
}

std::vector<std::string> PracticeTarget::LogLines() const {
    return logPath_.empty() ? std::vector<std::string>{} : SplitLines(ReadWholeFile(logPath_));
}

std::vector<std::string> PracticeTarget::InputLines(const std::vector<std::string>& names) const {
    std::vector<std::string> lines;
    for (const std::string& line : LogLines()) {
        if (line.rfind("msg=", 0) != 0) continue;
        if (names.empty() || std::find(names.begin(), names.end(), Field(line, "name")) != names.end()) {
            lines.push_back(line);
        }
    }
    return lines;
}

bool PracticeTarget::Close(DWORD timeoutMs) {
    if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
    return process_.WaitForExit(timeoutMs);
}

}  // namespace e2e
