#pragma once
// Text helpers for messages and log files: the tests speak UTF-16 to windows and UTF-8
// to the console.
#include <string>
#include <vector>

namespace e2e {

std::string Narrow(const std::wstring& text);  // UTF-8
std::wstring Widen(const std::string& text);   // from UTF-8

// Lines of a text without their CR LF / LF ends; a last line without an end counts.
std::vector<std::wstring> SplitLines(const std::wstring& text);
std::vector<std::string> SplitLines(const std::string& text);

// The value of "key=value" among space-separated fields, or "" when absent.
std::string Field(const std::string& line, const std::string& key);

}  // namespace e2e
