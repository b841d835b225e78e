#include "core/model/run_log.h"

#include <cstdio>

namespace tavo {
namespace {

// Fixed and plain, as the first line of every log.
constexpr const char* kLogTitle = "后台操作记录";

std::string Printf2(const char* format, int a, int b, int c) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, format, a, b, c);
    return buffer;
}

}  // namespace

std::string FormatDate(const LocalDateTime& t) {
    return Printf2("%04d-%02d-%02d", t.year, t.month, t.day);
}

std::string LogTime(const LocalDateTime& t) {
    return Printf2("%02d:%02d:%02d", t.hour, t.minute, t.second);
}

std::string FormatDateTime(const LocalDateTime& t) { return FormatDate(t) + "   " + LogTime(t); }

std::string StartLines(const LocalDateTime& t) {
    return FormatDateTime(t) + kLogEnd + LogTime(t) + "  手动起动程序。" + kLogEnd;
}

std::string StopLines(const LocalDateTime& t) {
    return LogTime(t) + "  手动终止程序。" + kLogEnd + "------------------------ " + kLogEnd +
           kLogEnd;
}

std::string LogHeader(const ProductInfo& product, const LocalDateTime& t) {
    const std::string version = std::to_string(product.major) + "." +
                                std::to_string(product.minor) + "." +
                                std::to_string(product.revision);
    return std::string(kLogTitle) + "-" + product.name + "  V" + version + kLogEnd +
           FormatDateTime(t) + kLogEnd + kLogEnd;
}

}  // namespace tavo
