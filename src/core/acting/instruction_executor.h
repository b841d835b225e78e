#pragma once
#include "core/model/instruction.h"
#include "platform/window_queries.h"

namespace tavo {

struct ExecutionTarget {
    WindowHandle served = 0;  // clicks and captures go here
    WindowHandle first = 0;   // keys and text always go to the first held window
    bool flashMode = true;
};

// Executes one Instruction against a target window; true = success.
class InstructionExecutor {
public:
    virtual ~InstructionExecutor() = default;
    virtual bool ExecuteInstruction(const Instruction& instruction,
                                    const ExecutionTarget& target) = 0;
};

}  // namespace tavo
