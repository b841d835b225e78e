#pragma once
// The run trace appended to a file (UTF-8, CR LF), each line flushed as it is written,
// so the trace is whole up to the last step even when Tavo is ended abruptly.
#include <cstdio>
#include <memory>
#include <string>

#include "core/runner/run_trace.h"

namespace tavo {

class FileTrace final : public RunTrace {
public:
    // Opens `path` (UTF-8) for appending; Open() tells whether that worked.
    explicit FileTrace(const std::string& path);
    bool Open() const { return file_ != nullptr; }
    void WriteLine(const std::string& line) override;

private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
};

}  // namespace tavo
