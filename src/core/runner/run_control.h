#pragma once
// Run control: the one-second tick that keeps the window table and steps the Script in
// each held window, starting and stopping a run, the faults a tick writes to the run log,
// and the rules of the toolbar and the menus.
#include <functional>
#include <string>

#include "core/model/command_state.h"
#include "core/model/room_ports.h"
#include "core/model/run_log.h"
#include "core/model/script_state.h"
#include "core/model/working_state.h"
#include "core/runner/run_loop.h"
#include "core/runner/run_trace.h"
#include "core/runner/window_slots.h"
#include "core/acting/instruction_executor.h"
#include "platform/clock.h"
#include "platform/event_pump.h"
#include "platform/window_queries.h"

namespace tavo {

inline constexpr const char* kWindowCountCaption = "识别窗口数: ";

struct RunServices {
    ScriptState& script;
    WorkingState& state;
    CommandState& commands;
    Journal& journal;
    WindowQueries& windows;
    Clock& clock;
    EventPump& pump;
    InstructionExecutor& executor;
    RunTrace* trace = nullptr;  // a line per executed Instruction; none: no trace
};

class RunControl final : public RunButtons, public StateResetListener, private SlotVisitor {
public:
    explicit RunControl(const RunServices& services);
    void Connect(EmptyInstructionGuard& guard) { guard_ = &guard; }

    void RunTick();
    void StartRun();
    void StopRun();
    void RefreshRunButtons() override;
    void ApplyWindowCount() override;
    // The window table emptied: part of the state reset.
    void ResetRoomState() override;

    // True while a tick (and the steps in it) is under way.
    bool InTick() const { return inTick_; }
    // The first held target window; 0 when none is held.
    WindowHandle FirstWindow() const { return slots_.hWnd(0); }
    const WindowSlots& Slots() const { return slots_; }
    const RunState& Run() const { return runLoop_.State(); }
    // "识别窗口数: n" as the last tick left it.
    const std::string& Label1() const { return label1_; }

private:
    bool Running() override { return services_.commands.Running(); }
    void RunStep() override;
    void DoTick();
    void LoggingFaults(const std::function<void()>& work);
    void LogFault(const char* what);
    void Trace(const StepRecord& step);
    void SetRunLocks(bool locked);

    RunServices services_;
    WindowSlots slots_;
    RunLoop runLoop_;
    EmptyInstructionGuard* guard_ = nullptr;
    std::string label1_ = std::string(kWindowCountCaption) + "0";
    bool inTick_ = false;
    bool tickDeferred_ = false;
};

}  // namespace tavo
