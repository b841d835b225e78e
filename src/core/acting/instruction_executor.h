#pragma once
#include <optional>
#include <string>

#include "core/acting/recognition.h"
#include "core/model/instruction.h"
#include "platform/window_queries.h"

namespace tavo {

struct ExecutionTarget {
    WindowHandle served = 0;  // clicks and captures go here
    WindowHandle first = 0;   // keys and text always go to the first held window
    bool flashMode = true;
};

// What executing one Instruction did, for the run trace.
struct ExecutionReport {
    // The recognition: the picture's centre in client pixels, the fingerprint seen there,
    // the stored one, and how far they agree. None without a recognition point.
    struct Recognition {
        ClientPoint point;
        std::string seen;
        std::string stored;
        int agreeing = 0;
        int percent = 0;
    };
    std::optional<Recognition> recognition;
    std::optional<ClientPoint> click;  // client pixels
    std::string text;                  // as sent, trimmed
};

// Executes one Instruction against a target window; true = success.
class InstructionExecutor {
public:
    virtual ~InstructionExecutor() = default;
    virtual bool ExecuteInstruction(const Instruction& instruction,
                                    const ExecutionTarget& target) = 0;
    // What the last execution did; executors that keep no record give an empty one.
    virtual ExecutionReport LastReport() const { return {}; }
};

}  // namespace tavo
