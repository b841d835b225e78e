#include "driver/journal.h"

#include <windows.h>

#include <cstdio>
#include <regex>

namespace e2e {

namespace {

const std::wregex kDateTime(L"\\d{4}-\\d{2}-\\d{2}   ([01]\\d|2[0-3]):[0-5]\\d:[0-5]\\d");
const std::wregex kStartLine(L"([01]\\d|2[0-3]):[0-5]\\d:[0-5]\\d  手动起动程序。");
const std::wregex kStopLine(L"([01]\\d|2[0-3]):[0-5]\\d:[0-5]\\d  手动终止程序。");
const std::wstring kSeparator = std::wstring(24, L'-') + L" ";

bool Matches(const std::vector<std::wstring>& lines, size_t i, const std::wregex& re) {
    return i < lines.size() && std::regex_match(lines[i], re);
}

bool Is(const std::vector<std::wstring>& lines, size_t i, const std::wstring& text) {
    return i < lines.size() && lines[i] == text;
}

}  // namespace

JournalReading ReadJournal(const std::vector<std::wstring>& lines) {
    JournalReading r;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].find(L"手动起动程序") != std::wstring::npos) {
            if (Matches(lines, i, kStartLine) && i > 0 && Matches(lines, i - 1, kDateTime)) {
                r.events.push_back(RunEvent::Start);
            } else {
                r.problems.push_back(lines[i]);
            }
        } else if (lines[i].find(L"手动终止程序") != std::wstring::npos) {
            if (Matches(lines, i, kStopLine) && Is(lines, i + 1, kSeparator) && Is(lines, i + 2, L"")) {
                r.events.push_back(RunEvent::Stop);
            } else {
                r.problems.push_back(lines[i]);
            }
        }
    }
    return r;
}

std::string Describe(const std::vector<RunEvent>& events) {
    std::string text = "[";
    for (RunEvent e : events) text += e == RunEvent::Start ? " start" : " stop";
    return text + " ]";
}

std::wstring LocalDate() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    wchar_t text[16];
    std::swprintf(text, 16, L"%04u-%02u-%02u", t.wYear, t.wMonth, t.wDay);
    return text;
}

}  // namespace e2e
