#pragma once
// Text conversions between the program's UTF-8, the UTF-16 of the wide Win32 calls and
// the system ANSI code page of the narrow ones (936 on a Chinese system).
#include <memory>
#include <string>
#include <string_view>

namespace tavo {

class SystemCodePage;

std::wstring Utf8ToWide(std::string_view utf8);
std::string WideToUtf8(std::wstring_view wide);

// The system's ANSI code page (CP_ACP), whatever it is.
std::unique_ptr<SystemCodePage> MakeSystemCodePage();

}  // namespace tavo
