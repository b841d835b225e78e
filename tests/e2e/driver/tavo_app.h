#pragma once
// tavo.exe under test: started fresh, its main window and controls found by the ids of
// src/app/control_ids.h, read and driven only from outside.
#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include "control_ids.h"
#include "driver/controls.h"
#include "driver/process.h"

namespace e2e {

// Toolbar button numbers (the even ones are separators).
inline constexpr int kButtonOpen = 1;
inline constexpr int kButtonNew = 3;
inline constexpr int kButtonSave = 5;
inline constexpr int kButtonRun = 7;
inline constexpr int kButtonStop = 9;

class TavoApp {
public:
    // Starts tavo.exe in its own folder and waits (bounded) for the main window and its
    // controls; throws std::runtime_error if they do not appear.
    void Start();
    void Kill() { process_.Terminate(); }

    const Process& Proc() const { return process_; }
    HWND Main() const { return main_; }
    HWND Label1() const { return label1_; }
    HWND Journal() const { return journal_; }
    HWND Toolbar() const { return toolbar_; }

    std::wstring Label1Text() const;
    std::wstring JournalText() const;
    std::vector<std::wstring> JournalLines() const;
    ToolbarButton Button(int n) const;
    bool ClickButton(int n) const;

    // 控制(&C) → 运行脚本(&R) / 停止运行(&T); false when 控制(&C) did not open in time.
    bool ChooseRun(std::chrono::milliseconds openTimeout = std::chrono::milliseconds(3000)) const;
    bool ChooseStop(std::chrono::milliseconds openTimeout = std::chrono::milliseconds(3000)) const;

private:
    Process process_;
    HWND main_ = nullptr;
    HWND label1_ = nullptr;
    HWND journal_ = nullptr;
    HWND toolbar_ = nullptr;
};

}  // namespace e2e
