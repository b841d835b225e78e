#pragma once
// The run log: its line formats (lines end with CR LF) and its text.
#include <string>
#include <utility>

#include "platform/clock.h"

namespace tavo {

inline constexpr const char* kLogEnd = "\r\n";

std::string FormatDate(const LocalDateTime& t);      // yyyy-mm-dd
std::string LogTime(const LocalDateTime& t);         // hh:mm:ss
std::string FormatDateTime(const LocalDateTime& t);  // yyyy-mm-dd   hh:mm:ss

std::string StartLines(const LocalDateTime& t);
std::string StopLines(const LocalDateTime& t);

struct ProductInfo {
    std::string name;
    int major = 0, minor = 0, revision = 0;
};

// The whole log as the state reset leaves it: title, date and time, an empty line.
std::string LogHeader(const ProductInfo& product, const LocalDateTime& t);

// The run log's text: the run, the pickers and the state reset write it.
class Journal {
public:
    // Whole lines, each ending in kLogEnd.
    void Append(const std::string& lines) { text_ += lines; }
    void Restart(std::string header) { text_ = std::move(header); }
    const std::string& Text() const { return text_; }

private:
    std::string text_;
};

}  // namespace tavo
