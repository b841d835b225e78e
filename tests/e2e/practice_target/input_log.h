#pragma once
// The practice target's input log: one line per input message, written through at once
// so that a test reading the file sees every message already handled.
#include <windows.h>

#include <string>

namespace practice {

bool IsLoggedMessage(UINT msg);
std::string MessageName(UINT msg);

// "msg=0x0201 name=WM_LBUTTONDOWN wParam=0x0 lParam=0x00960064 ctrl=0 shift=0 x=100 y=150"
std::string FormatInputLine(UINT msg, WPARAM wParam, LPARAM lParam, bool ctrl, bool shift);

class InputLog {
public:
    InputLog() = default;
    InputLog(const InputLog&) = delete;
    InputLog& operator=(const InputLog&) = delete;
    ~InputLog();

    bool Open(const std::wstring& path);  // appends; an empty path logs nowhere
    void Write(const std::string& line);  // adds the line end

private:
    HANDLE file_ = INVALID_HANDLE_VALUE;
};

}  // namespace practice
