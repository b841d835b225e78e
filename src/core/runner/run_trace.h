#pragma once
// The run trace: one line per executed Instruction, so a user can see why a picture was
// or was not found and what was sent where.
#include <cstdint>
#include <string>

#include "core/acting/instruction_executor.h"
#include "platform/clock.h"
#include "platform/window_queries.h"

namespace tavo {

// One executed Instruction as the run loop saw it.
struct StepRecord {
    std::string key;
    std::string caption;
    bool ok = false;
    ExecutionReport report;
    std::string nextKey;  // the node the run goes on with
    int pause = 0;        // seconds the run now waits; 0 for none
};

// Where the step ran: the time, the slot served and its window.
struct TraceEntry {
    LocalDateTime time;
    int slot = 0;
    WindowHandle window = 0;
    std::string title;
    StepRecord step;
};

// "yyyy-mm-dd hh:mm:ss  slot s  window 0x… "title"  key "caption"  …": the recognition
// (point, fingerprint seen and stored, agreeing positions and percent), hit or miss, the
// click point, the text, the next node and the pause. UTF-8, no line end.
std::string FormatTraceLine(const TraceEntry& entry);

// Where trace lines go; each is complete and written at once.
class RunTrace {
public:
    virtual ~RunTrace() = default;
    virtual void WriteLine(const std::string& line) = 0;
};

}  // namespace tavo
