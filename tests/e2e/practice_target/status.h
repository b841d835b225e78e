#pragma once
// What the practice target shows in its status lines: the last input message, the chat
// line being typed and the last few finished with ENTER, and the last left click.
#include <windows.h>

#include <deque>
#include <optional>
#include <string>

namespace practice {

struct TargetStatus {
    std::wstring lastInput = L"No input yet.";
    std::wstring typing;    // characters since the last ENTER
    std::deque<std::wstring> lines;  // the last lines ENTER finished, oldest first
    std::optional<POINT> lastClick;
    unsigned count = 0;

    // `line` is the message's log line.
    void Record(UINT msg, WPARAM wParam, LPARAM lParam, const std::string& line);
    std::wstring ChatText() const;
};

}  // namespace practice
