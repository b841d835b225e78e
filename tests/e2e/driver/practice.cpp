#include "driver/practice.h"

#include <algorithm>
#include <stdexcept>

#include "driver/paths.h"
#include "driver/poll.h"
#include "driver/text.h"
#include "driver/windows.h"

namespace e2e {

TargetSetup TargetSetup::Centred(const std::wstring& className, int width, int height) {
    const POINT c = ScreenCentre();
    TargetSetup setup;
    setup.className = className;
    setup.x = c.x - width / 2;
    setup.y = c.y - height / 2;
    setup.width = width;
    setup.height = height;
    return setup;
}

void PracticeTarget::Start(const TargetSetup& setup) {
    logPath_ = FreshWorkFile(L"practice", L".log");
    std::vector<std::wstring> args = {
        L"--title", setup.title, L"--class", setup.className, L"--x", std::to_wstring(setup.x),
        L"--y", std::to_wstring(setup.y), L"--width", std::to_wstring(setup.width),
        L"--height", std::to_wstring(setup.height), L"--log", logPath_, L"--pictures", setup.pictures};
    if (setup.menu) args.push_back(L"--menu");
    if (setup.ansi) args.push_back(L"--ansi");
    process_ = Process::Launch(PracticeTargetExePath(), args);
    WaitForWindow(setup.className, setup.title);
    // The window exists from its creation on; "ready" is logged once it is shown, drawn
    // and activated.
    const auto ready = PollUntil([&] { return LogLines(); },
                                 [](const std::vector<std::string>& l) { return !l.empty() && Field(l[0], "event") == "ready"; },
                                 std::chrono::milliseconds(10000));
    if (!ready.ok) throw std::runtime_error("practice target did not log that it is ready");
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
