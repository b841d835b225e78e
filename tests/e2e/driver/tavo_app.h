#pragma once
// tavo.exe under test: started fresh, its main window and controls found by the ids of
// src/app/shared/control_ids.h, read and driven only from outside.
#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include "control_ids.h"
#include "driver/controls.h"
#include "driver/process.h"
#include "driver/windows.h"

namespace e2e {

// Toolbar button numbers (the even ones are separators).
inline constexpr int kButtonOpen = 1;
inline constexpr int kButtonNew = 3;
inline constexpr int kButtonSave = 5;
inline constexpr int kButtonRun = 7;
inline constexpr int kButtonStop = 9;

class TavoApp {
public:
    // Starts tavo.exe (the one under test, or a copy) in its own folder and waits
    // (bounded) for the main window and its controls; throws std::runtime_error if they
    // do not appear.
    void Start();
    void Start(const std::wstring& exe, const std::vector<std::wstring>& args = {});
    // With the command line's text after the program's name exactly as given.
    void StartWithTail(const std::wstring& exe, const std::wstring& tail);
    // A tavo.exe someone else started (the demo run): false when no main window with
    // its controls appears in time. Kill() then does nothing.
    bool AttachToRunning(std::chrono::milliseconds timeout);
    void Kill() { process_.Terminate(); }

    const Process& Proc() const { return process_; }
    HWND Main() const { return main_; }
    HWND Label1() const { return label1_; }
    HWND Journal() const { return journal_; }
    HWND Toolbar() const { return toolbar_; }
    HWND Tree() const { return tree_; }
    HWND Fram() const { return fram_; }
    // A control of the main window or of the settings panel, by its id.
    HWND Control(int id) const { return FindControl(main_, id); }

    std::wstring Label1Text() const;
    std::wstring JournalText() const;
    std::vector<std::wstring> JournalLines() const;
    ToolbarButton Button(int n) const;
    bool ClickButton(int n) const;

    // 控制(&C) → 运行脚本(&R) / 停止运行(&T); false when 控制(&C) did not open in time.
    bool ChooseRun(std::chrono::milliseconds openTimeout = std::chrono::milliseconds(3000)) const;
    bool ChooseStop(std::chrono::milliseconds openTimeout = std::chrono::milliseconds(3000)) const;
    // 控制(&C) → 录制(&M), which starts and ends a recording.
    bool ChooseRecord(std::chrono::milliseconds openTimeout = std::chrono::milliseconds(3000)) const;
    // 文件(&F) → 保存脚本(&S).
    bool ChooseSave(std::chrono::milliseconds openTimeout = std::chrono::milliseconds(3000)) const;
    // 设置(&P), a command on the menu bar itself: its key runs it without a drop-down.
    void ChooseSetup() const;

    // The settings panel's boxes: text through WM_GETTEXT; typing sends one WM_CHAR per
    // character over the selected old text, then the key's release, and returns when
    // Tavo has handled them all. Each character is a change of its own.
    std::wstring BoxText(int id) const;
    bool TypeInto(int id, const std::wstring& text) const;
    // The whole text at once, as a paste over the old one (WM_SETTEXT: one change).
    bool PasteInto(int id, const std::wstring& text) const;
    int SpinnerPosition() const;  // SBM_GETPOS of VScroll1
    void ScrollSpinner(int request) const;  // SB_LINEUP, SB_LINEDOWN, ...
    bool ClickOption(int id) const;

private:
    void WaitForWindows();
    void FindControls();

    Process process_;
    HWND main_ = nullptr;
    HWND label1_ = nullptr;
    HWND journal_ = nullptr;
    HWND toolbar_ = nullptr;
    HWND tree_ = nullptr;
    HWND fram_ = nullptr;
};

}  // namespace e2e
