#pragma once
// The run log's line formats. Lines end with CR LF.
#include <string>

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

}  // namespace tavo
