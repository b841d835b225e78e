#pragma once
#include <optional>
#include <string>

namespace tavo {

// The Script file named on tavo.exe's command line (UTF-8), or none. A quoted first
// argument is taken without its quotes; an unquoted one is the whole rest of the line,
// trimmed, so that a path with spaces works either way.
std::optional<std::string> ScriptArgument(const wchar_t* commandLine);

struct CommandLine {
    std::optional<std::string> script;
    // `--trace FILE` in front of the Script: the run trace's file (UTF-8).
    std::optional<std::string> trace;
};

// tavo.exe [--trace FILE] [SCRIPT]: FILE quoted or up to the next blank; the Script by
// ScriptArgument's rules.
CommandLine ParseCommandLine(const wchar_t* commandLine);

}  // namespace tavo
