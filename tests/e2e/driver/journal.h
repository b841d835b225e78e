#pragma once
// Reading Tavo's run log (Journal) back into the run events it records.
#include <string>
#include <vector>

namespace e2e {

enum class RunEvent { Start, Stop };

struct JournalReading {
    std::vector<RunEvent> events;
    // Lines that look like part of a start or stop record but break its layout.
    std::vector<std::wstring> problems;
};

// A start is the date-time line "yyyy-mm-dd   hh:mm:ss" directly followed by
// "hh:mm:ss  手动起动程序。"; a stop is "hh:mm:ss  手动终止程序。" followed by the
// separator "------------------------ " and an empty line.
JournalReading ReadJournal(const std::vector<std::wstring>& lines);

std::string Describe(const std::vector<RunEvent>& events);

// "yyyy-mm-dd" of the local clock now.
std::wstring LocalDate();

}  // namespace e2e
