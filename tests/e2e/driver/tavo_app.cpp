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

void TavoApp::Start() { Start(TavoExePath()); }

void TavoApp::Start(const std::wstring& exe, const std::vector<std::wstring>& args) {
    if (!FileExists(exe)) throw std::runtime_error("tavo.exe not found at " + Narrow(exe));
    // Its own folder: the program looks there for the last Script and writes files there.
    process_ = Process::Launch(exe, args, DirectoryOf(exe));
    WaitForWindows();
}

void TavoApp::StartWithTail(const std::wstring& exe, const std::wstring& tail) {
    if (!FileExists(exe)) throw std::runtime_error("tavo.exe not found at " + Narrow(exe));
    process_ = Process::LaunchWithTail(exe, tail, DirectoryOf(exe));
    WaitForWindows();
}

void TavoApp::WaitForWindows() {
    main_ = WaitForTopLevelWindow(process_.Id(), TAVO_MAIN_WINDOW_CLASS, kStartTimeout);
    if (!main_) {
        throw std::runtime_error(std::string("tavo.exe main window did not appear; process ") +
                                 (process_.Running() ? "running" : "ended"));
    }
    FindControls();
}

bool TavoApp::AttachToRunning(std::chrono::milliseconds timeout) {
    main_ = WaitForTopLevelWindow(0, TAVO_MAIN_WINDOW_CLASS, timeout);
    if (!main_) return false;
    try {
        FindControls();
    } catch (const std::runtime_error&) {
        return false;
    }
    return true;
}

void TavoApp::FindControls() {
    label1_ = RequireControl(main_, IDC_LABEL1, "Label1");
    journal_ = RequireControl(main_, IDC_JOURNAL, "Journal");
    toolbar_ = RequireControl(main_, IDC_TOOLBAR1, "Toolbar1");
    tree_ = RequireControl(main_, IDC_INFOTREE, "InfoTree");
    fram_ = RequireControl(main_, IDC_FRAM, "Fram");
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

bool TavoApp::ChooseRecord(std::chrono::milliseconds openTimeout) const {
    return ChooseMenuItem(main_, L'c', L'm', openTimeout);
}

bool TavoApp::ChooseSave(std::chrono::milliseconds openTimeout) const {
    return ChooseMenuItem(main_, L'f', L's', openTimeout);
}

void TavoApp::ChooseSetup() const { PostMessageW(main_, WM_SYSCOMMAND, SC_KEYMENU, L'p'); }

std::wstring TavoApp::BoxText(int id) const { return TextOrMarker(Control(id)); }

bool TavoApp::TypeInto(int id, const std::wstring& text) const {
    HWND box = Control(id);
    DWORD_PTR ignored = 0;
    const auto send = [&](UINT message, WPARAM wParam, LPARAM lParam) {
        return SendMessageTimeoutW(box, message, wParam, lParam, SMTO_ABORTIFHUNG, 2000, &ignored) != 0;
    };
    if (!box || !send(EM_SETSEL, 0, -1)) return false;
    for (wchar_t c : text) {
        if (!send(WM_CHAR, c, 1)) return false;
    }
    // The release of the last key, as a keyboard ends the typing; a character without a
    // key of its own came through the input method.
    const SHORT key = text.empty() ? -1 : VkKeyScanW(text.back());
    const WPARAM vk = key == -1 ? VK_PROCESSKEY : LOBYTE(key);
    return send(WM_KEYUP, vk, static_cast<LPARAM>(0xC0000001));
}

bool TavoApp::PasteInto(int id, const std::wstring& text) const {
    HWND box = Control(id);
    DWORD_PTR ok = 0;
    return box && SendMessageTimeoutW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                                      2000, &ok) && ok;
}

int TavoApp::SpinnerPosition() const {
    DWORD_PTR position = 0;
    SendMessageTimeoutW(Control(IDC_VSCROLL1), SBM_GETPOS, 0, 0, SMTO_ABORTIFHUNG, 2000, &position);
    return static_cast<int>(static_cast<LRESULT>(position));
}

void TavoApp::ScrollSpinner(int request) const {
    PostMessageW(fram_, WM_VSCROLL, MAKEWPARAM(request, 0), reinterpret_cast<LPARAM>(Control(IDC_VSCROLL1)));
}

bool TavoApp::ClickOption(int id) const {
    HWND button = Control(id);
    return button && PostMessageW(button, BM_CLICK, 0, 0) != 0;
}

}  // namespace e2e
