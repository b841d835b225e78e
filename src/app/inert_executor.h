#pragma once
#include "core/runner/instruction_executor.h"

namespace tavo {

// Placeholder until recognition, clicks and keys are wired in: acts on nothing yet;
// every Instruction succeeds so the walk can be followed in the tree and the log.
class InertExecutor final : public InstructionExecutor {
public:
    bool ExecuteInstruction(const Instruction&, const ExecutionTarget&) override { return true; }
};

}  // namespace tavo
