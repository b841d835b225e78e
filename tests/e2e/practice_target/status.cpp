#include "practice_target/status.h"

namespace practice {

namespace {

constexpr std::size_t kMaxTyping = 60;
constexpr std::size_t kLinesShown = 3;

std::wstring Widen(const std::string& s) { return std::wstring(s.begin(), s.end()); }

}  // namespace

void TargetStatus::Record(UINT msg, WPARAM wParam, LPARAM lParam, const std::string& line) {
    ++count;
    lastInput = L"Input " + std::to_wstring(count) + L": " + Widen(line);
    if (msg == WM_LBUTTONDOWN) {
        lastClick = POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    } else if (msg == WM_CHAR && wParam == L'\r') {
        // ENTER arrives as a key; the character it translates to ends the line.
        lines.push_back(typing);
        if (lines.size() > kLinesShown) lines.pop_front();
        typing.clear();
    } else if (msg == WM_CHAR && wParam >= 0x20 && wParam <= 0xFFFF) {
        if (typing.size() >= kMaxTyping) typing.erase(0, 1);
        typing += static_cast<wchar_t>(wParam);
    }
}

std::wstring TargetStatus::ChatText() const {
    std::wstring text = L"Chat lines:";
    for (const std::wstring& line : lines) text += L" [" + line + L"]";
    if (lines.empty()) text += L" -";
    text += L"    typing: " + typing;
    if (lastClick) {
        text += L"    last click: (" + std::to_wstring(lastClick->x) + L"," + std::to_wstring(lastClick->y) + L")";
    }
    return text;
}

}  // namespace practice
