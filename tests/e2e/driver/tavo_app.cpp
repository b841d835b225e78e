#include "driver/tavo_app.h"

#include <stdexcept>

#include "driver/paths.h"
#include "driver/text.h"
#include "driver/windows.h"

namespace e2e {

namespace {

constexpr std::chrono::milliseconds kStartTimeout{15000};

HWND RequireControl(HWND main, int id, const char* name) {
    HWND control = WaitForControl(main, id, std::chrono::milliseconds(5000));
    if (!control) throw std::runtime_error(std::string("tavo.exe has no control ") + name);
    return control;
}

}  // namespace

void TavoApp::Start() {
    const std::wstring exe = TavoExePath();
    if (!FileExists(exe)) throw std::runtime_error("tavo.exe not found at " + Narrow(exe));
    // Its own folder: the program looks there for the last Script and writes files there.
    process_ = Process::Launch(exe, {}, DirectoryOf(exe));
    main_ = WaitForTopLevelWindow(process_.Id(), TAVO_MAIN_WINDOW_CLASS, kStartTimeout);
    if (!main_) {
        throw std::runtime_error(std::string("tavo.exe main window did not appear; process ") +
                                 (process_.Running() ? "running" : "ended"));
    }
    label1_ = RequireControl(main_, IDC_LABEL1, "Label1");
    journal_ = RequireControl(main_, IDC_JOURNAL, "Journal");
    toolbar_ = RequireControl(main_, IDC_TOOLBAR1, "Toolbar1");
}

std::wstring TavoApp::Label1Text() const { return TextOrMarker(label1_); }
std::wstring TavoApp::JournalText() const { return TextOrMarker(journal_); }
std::vector<std::wstring> TavoApp::JournalLines() const { return SplitLines(JournalText()); }

ToolbarButton TavoApp::Button(int n) const { return ReadToolbarButton(toolbar_, IDC_TOOLBAR_BUTTON_BASE + n); }
bool TavoApp::ClickButton(int n) const { return ClickToolbarButton(toolbar_, IDC_TOOLBAR_BUTTON_BASE + n); }

bool TavoApp::ChooseRun(std::chrono::milliseconds openTimeout) const {
    return ChooseMenuItem(main_, L'c', L'r', openTimeout);
}
bool TavoApp::ChooseStop(std::chrono::milliseconds openTimeout) const {
    return ChooseMenuItem(main_, L'c', L't', openTimeout);
}

}  // namespace e2e
