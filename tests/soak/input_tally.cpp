#include "input_tally.h"

#include "driver/paths.h"
#include "driver/practice_log.h"
#include "driver/text.h"

namespace tavo::soak {

void InputTally::Add(const std::wstring& logPath) { logs_.push_back({logPath}); }

void InputTally::Update() {
    for (Log& log : logs_) {
        const std::string content = e2e::ReadWholeFile(log.path);
        const std::size_t end = content.rfind('\n');
        if (end == std::string::npos || end + 1 <= log.counted) continue;
        Count(e2e::SplitLines(content.substr(log.counted, end + 1 - log.counted)));
        log.counted = end + 1;
    }
}

void InputTally::Count(const std::vector<std::string>& lines) {
    for (const e2e::LoggedInput& in : e2e::PostedInput(e2e::ParseInput(lines))) {
        counts_.clicks += in.name == "WM_LBUTTONDOWN";
        counts_.characters += in.name == "WM_CHAR";
        counts_.keys += in.name == "WM_KEYDOWN";
    }
}

}  // namespace tavo::soak
