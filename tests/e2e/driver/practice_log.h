#pragma once
// The practice target's input log read back into messages (docs/practice-target.md).
#include <cstdint>
#include <string>
#include <vector>

namespace e2e {

struct LoggedInput {
    std::string name;  // "WM_CHAR", ...
    std::uint64_t wParam = 0;
    std::uint32_t lParam = 0;
    bool ctrl = false;
    bool shift = false;

    // "WM_CHAR 0x68 0x00000001": what a sender controls, for comparing sequences.
    std::string Brief() const;
};

// Input lines ("msg=...") parsed; other lines are skipped.
std::vector<LoggedInput> ParseInput(const std::vector<std::string>& logLines);

// Without mouse moves (the real pointer) and without the characters TranslateMessage
// makes of key-downs, which carry the key's lParam where a posted character carries 1:
// what a program posted, when the target is not the foreground window (keys pressed
// through the keyboard input would show too).
std::vector<LoggedInput> PostedInput(const std::vector<LoggedInput>& input);

std::vector<std::string> Briefs(const std::vector<LoggedInput>& input);

}  // namespace e2e
