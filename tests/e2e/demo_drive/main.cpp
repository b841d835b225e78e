// Drives the bundled demo from outside for scripts/run.sh on a virtual display, where no
// one can click: the same means the end-to-end tests use (docs/E2E.md).
//
//   tavo_demo_drive wait       Tavo shows a loaded Script and holds one target window
//   tavo_demo_drive run LOG    chooses 控制 → 运行脚本 and waits until the practice
//                              target's log LOG shows a click and two lines typed;
//                              prints what the target received
//
// Exit status 0 on success, 1 when something did not happen in time, 2 on bad usage.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "driver/paths.h"
#include "driver/poll.h"
#include "driver/practice_log.h"
#include "driver/tavo_app.h"
#include "driver/text.h"
#include "driver/tree_view.h"

namespace {

using e2e::LoggedInput;
using e2e::PollUntil;
using std::chrono::milliseconds;

int Fail(const std::string& why) {
    std::printf("tavo_demo_drive: %s\n", why.c_str());
    return 1;
}

int Wait(e2e::TavoApp& app) {
    const auto tree = PollUntil([&] { return e2e::TreeItemCount(app.Tree()).value_or(0); },
                                [](size_t n) { return n > 0; }, milliseconds(15000));
    if (!tree.ok) return Fail("Tavo shows no Script");
    const auto label = PollUntil([&] { return app.Label1Text(); },
                                 [](const std::wstring& t) { return t == L"识别窗口数: 1"; }, milliseconds(15000));
    if (!label.ok) return Fail("Tavo found no target window: Label1 reads " + e2e::Narrow(label.last));
    std::printf("Tavo has loaded a Script of %u Instructions and holds the practice target.\n",
                static_cast<unsigned>(tree.last));
    return 0;
}

size_t Count(const std::vector<LoggedInput>& input, const char* name, std::uint64_t wParam) {
    size_t n = 0;
    for (const LoggedInput& in : input) n += in.name == name && (wParam == 0 || in.wParam == wParam);
    return n;
}

// Characters in a row as one text, a click as its point, a key stroke as its code.
std::string Summary(const std::vector<LoggedInput>& posted) {
    std::string text;
    std::wstring chars;
    auto flush = [&] {
        if (!chars.empty()) text += "  typed \"" + e2e::Narrow(chars) + "\"\n";
        chars.clear();
    };
    for (const LoggedInput& in : posted) {
        if (in.name == "WM_CHAR") {
            chars += static_cast<wchar_t>(in.wParam);
            continue;
        }
        flush();
        char line[96];
        if (in.name == "WM_LBUTTONDOWN") {
            std::snprintf(line, sizeof line, "  click at client (%u,%u)\n", in.lParam & 0xFFFF, in.lParam >> 16);
        } else if (in.name == "WM_KEYDOWN") {
            std::snprintf(line, sizeof line, "  key 0x%02llx%s\n", static_cast<unsigned long long>(in.wParam),
                          in.ctrl ? " with CTRL held" : "");
        } else {
            continue;  // button and key releases
        }
        text += line;
    }
    flush();
    return text;
}

int Run(e2e::TavoApp& app, const std::wstring& logPath) {
    SetForegroundWindow(app.Main());  // as a user's click on its menu would
    if (!app.ChooseRun()) return Fail("the menu 控制 did not open");
    std::printf("Chose 控制 -> 运行脚本 in Tavo.\n");
    auto posted = [&] { return e2e::PostedInput(e2e::ParseInput(e2e::SplitLines(e2e::ReadWholeFile(logPath)))); };
    const auto seen = PollUntil(posted, [](const std::vector<LoggedInput>& p) {
        return Count(p, "WM_LBUTTONDOWN", 0) >= 1 && Count(p, "WM_KEYDOWN", VK_RETURN) >= 2;
    }, milliseconds(20000));
    std::printf("The practice target received (its log, posted messages only):\n%s", Summary(seen.last).c_str());
    return seen.ok ? 0 : Fail("the target did not receive a click and two lines in time");
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (!(command == L"wait" && argc == 2) && !(command == L"run" && argc == 3)) {
        std::printf("usage: tavo_demo_drive wait | run PRACTICE_LOG\n");
        return 2;
    }
    e2e::TavoApp app;
    if (!app.AttachToRunning(milliseconds(30000))) return Fail("no Tavo window appeared");
    return command == L"wait" ? Wait(app) : Run(app, argv[2]);
}
