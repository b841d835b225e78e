#pragma once
// Text conversions between the program's UTF-8, the UTF-16 of the wide Win32 calls and
// the system ANSI code page of the narrow ones (936 on a Chinese system).
#include <string>
#include <string_view>

namespace tavo {

std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);
std::string AnsiToUtf8(std::string_view ansi);
// Embedded NULs survive (a filter's separators are NULs).
std::string Utf8ToAnsi(std::string_view utf8);

}  // namespace tavo
