#pragma once
#include <optional>
#include <string>

namespace tavo {

// The Script file named on tavo.exe's command line (UTF-8), or none. A quoted first
// argument is taken without its quotes; an unquoted one is the whole rest of the line,
// trimmed, so that a path with spaces works either way.
std::optional<std::string> ScriptArgument(const wchar_t* commandLine);

}  // namespace tavo
