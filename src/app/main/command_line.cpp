#include "app/main/command_line.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <cwctype>
#include <memory>
#include <string_view>

#include "platform/win32/code_page.h"

namespace tavo {
namespace {

struct LocalFreeDeleter {
    void operator()(LPWSTR* argv) const { LocalFree(argv); }
};

// The line after the program's name, by the rules CommandLineToArgvW applies to it.
std::wstring_view Tail(std::wstring_view line) {
    std::size_t end = 0;
    if (!line.empty() && line.front() == L'"') {
        end = line.find(L'"', 1);
        end = end == std::wstring_view::npos ? line.size() : end + 1;
    } else {
        end = line.find_first_of(L" \t");
        if (end == std::wstring_view::npos) end = line.size();
    }
    return line.substr(end);
}

std::wstring_view Trimmed(std::wstring_view text) {
    while (!text.empty() && std::iswspace(text.front())) text.remove_prefix(1);
    while (!text.empty() && std::iswspace(text.back())) text.remove_suffix(1);
    return text;
}

}  // namespace

CommandLine ParseCommandLine(const wchar_t* commandLine) {
    constexpr std::wstring_view kTrace = L"--trace";
    if (!commandLine) return {};
    std::wstring_view tail = Trimmed(Tail(commandLine));
    const bool traced = tail.starts_with(kTrace) && tail.size() > kTrace.size() &&
                        std::iswspace(tail[kTrace.size()]);
    if (!traced) return {ScriptArgument(commandLine), std::nullopt};
    tail = Trimmed(tail.substr(kTrace.size()));
    std::size_t end = 0;
    std::wstring_view file;
    if (!tail.empty() && tail.front() == L'"') {
        end = tail.find(L'"', 1);
        file = tail.substr(1, end == std::wstring_view::npos ? std::wstring_view::npos : end - 1);
        end = end == std::wstring_view::npos ? tail.size() : end + 1;
    } else {
        end = std::min(tail.find_first_of(L" \t"), tail.size());
        file = tail.substr(0, end);
    }
    CommandLine line;
    if (!file.empty()) line.trace = WideToUtf8(file);
    // The rest is a command line of its own whose program name is empty.
    const std::wstring rest = L"\"\" " + std::wstring(Trimmed(tail.substr(end)));
    line.script = ScriptArgument(rest.c_str());
    return line;
}

std::optional<std::string> ScriptArgument(const wchar_t* commandLine) {
    if (!commandLine) return std::nullopt;
    const std::wstring_view tail = Trimmed(Tail(commandLine));
    if (tail.empty()) return std::nullopt;
    if (tail.front() != L'"') return WideToUtf8(tail);
    int count = 0;
    std::unique_ptr<LPWSTR, LocalFreeDeleter> argv(CommandLineToArgvW(commandLine, &count));
    if (!argv || count < 2 || !argv.get()[1][0]) return std::nullopt;
    return WideToUtf8(argv.get()[1]);
}

}  // namespace tavo
