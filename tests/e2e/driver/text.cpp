#include "driver/text.h"

#include <windows.h>

namespace e2e {

std::string Narrow(const std::wstring& text) {
    if (text.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                      nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::wstring Widen(const std::string& text) {
    if (text.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

namespace {

template <class String>
std::vector<String> SplitLinesOf(const String& text) {
    std::vector<String> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == String::npos) end = text.size();
        String line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        start = end + 1;
    }
    return lines;
}

}  // namespace

std::vector<std::wstring> SplitLines(const std::wstring& text) { return SplitLinesOf(text); }
std::vector<std::string> SplitLines(const std::string& text) { return SplitLinesOf(text); }

std::string Field(const std::string& line, const std::string& key) {
    const std::string needle = key + "=";
    size_t pos = 0;
    while ((pos = line.find(needle, pos)) != std::string::npos) {
        if (pos == 0 || line[pos - 1] == ' ') {
            const size_t begin = pos + needle.size();
            return line.substr(begin, line.find(' ', begin) - begin);
        }
        pos += needle.size();
    }
    return {};
}

}  // namespace e2e
