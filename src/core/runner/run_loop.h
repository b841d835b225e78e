#pragma once
// Walks the Script from Instruction to Instruction by outcome, jumps and pauses.
#include <cstdint>
#include <functional>
#include <optional>

#include "core/model/script_state.h"
#include "core/acting/instruction_executor.h"
#include "core/runner/run_trace.h"
#include "platform/clock.h"
#include "platform/event_pump.h"

namespace tavo {

struct RunState {
    std::int16_t CurrentIndex = 0;  // node index of the next Instruction; 0 = not positioned
    // Node index of the Instruction executed last; 0 once the run is positioned on node 1.
    std::int16_t LoadedIndex = 0;
    // Whole monotonic seconds at which the running pause began; empty = no pause.
    // Monotonic rather than time of day, so a pause across midnight still ends.
    std::optional<std::int64_t> PauseStart;
};

class RunLoop {
public:
    using TargetSource = std::function<ExecutionTarget()>;
    using RunningFlag = std::function<bool()>;

    RunLoop(ScriptState& script, InstructionExecutor& executor, Clock& clock, EventPump& pump)
        : script_(script), executor_(executor), clock_(clock), pump_(pump) {}

    RunState& State() { return state_; }
    const RunState& State() const { return state_; }
    void Restart() { state_ = RunState{}; }

    // One step against the target `target()` names at the time of each Instruction.
    // `running` is asked after the step: a run stopped meanwhile reselects the next node.
    void RunStep(const TargetSource& target, const RunningFlag& running);
    // Told of every executed Instruction (the run trace); none by default.
    void SetStepObserver(std::function<void(const StepRecord&)> observer) {
        observer_ = std::move(observer);
    }

private:
    bool PauseStillRunning();
    void Observe(const std::string& key, const std::string& caption, bool ok, int pause);
    // Index of the node a jump field names, or 0 when blank or naming no node.
    int JumpIndex(const std::string& field) const;
    int NextOnSuccess(const ScriptNode& node, const Instruction& executed, bool hadChild) const;
    int NextOnFailure(const ScriptNode& node, const Instruction& executed) const;
    std::int64_t NowWholeSeconds();

    ScriptState& script_;
    InstructionExecutor& executor_;
    Clock& clock_;
    EventPump& pump_;
    RunState state_;
    std::function<void(const StepRecord&)> observer_;
};

}  // namespace tavo
