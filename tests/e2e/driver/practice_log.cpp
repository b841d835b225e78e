#include "driver/practice_log.h"

#include <cstdio>
#include <cstdlib>

#include "driver/text.h"

namespace e2e {

namespace {

std::uint64_t Hex(const std::string& text) { return std::strtoull(text.c_str(), nullptr, 16); }

}  // namespace

std::string LoggedInput::Brief() const {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, "%s 0x%llx 0x%08lx", name.c_str(), static_cast<unsigned long long>(wParam),
                  static_cast<unsigned long>(lParam));
    return buffer;
}

std::vector<LoggedInput> ParseInput(const std::vector<std::string>& logLines) {
    std::vector<LoggedInput> input;
    for (const std::string& line : logLines) {
        if (line.rfind("msg=", 0) != 0) continue;
        LoggedInput in;
        in.name = Field(line, "name");
        in.wParam = Hex(Field(line, "wParam"));
        in.lParam = static_cast<std::uint32_t>(Hex(Field(line, "lParam")));
        in.ctrl = Field(line, "ctrl") == "1";
        in.shift = Field(line, "shift") == "1";
        input.push_back(in);
    }
    return input;
}

std::vector<LoggedInput> PostedInput(const std::vector<LoggedInput>& input) {
    std::vector<LoggedInput> posted;
    for (const LoggedInput& in : input) {
        if (in.name == "WM_MOUSEMOVE") continue;
        if (in.name == "WM_CHAR" && in.lParam != 1) continue;
        posted.push_back(in);
    }
    return posted;
}

std::vector<std::string> Briefs(const std::vector<LoggedInput>& input) {
    std::vector<std::string> briefs;
    for (const LoggedInput& in : input) briefs.push_back(in.Brief());
    return briefs;
}

}  // namespace e2e
