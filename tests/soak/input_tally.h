#pragma once
// What Tavo posted to the practice targets, counted from their input logs, closed
// targets' logs included.
#include <cstddef>
#include <string>
#include <vector>

namespace tavo::soak {

struct InputCounts {
    std::size_t clicks = 0;      // posted WM_LBUTTONDOWN
    std::size_t characters = 0;  // posted WM_CHAR
    std::size_t keys = 0;        // posted WM_KEYDOWN (key commands and line ends)
};

class InputTally {
   public:
    void Add(const std::wstring& logPath);
    // Reads what the logs gained since the last call; only whole lines are counted.
    void Update();
    const InputCounts& Counts() const { return counts_; }

   private:
    struct Log {
        std::wstring path;
        std::size_t counted = 0;  // bytes already read
    };
    void Count(const std::vector<std::string>& lines);

    std::vector<Log> logs_;
    InputCounts counts_;
};

}  // namespace tavo::soak
