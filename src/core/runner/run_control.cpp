#include "core/runner/run_control.h"

#include <algorithm>
#include <exception>

namespace tavo {
namespace {

constexpr const char* kFaultLine = "  执行出错: ";
constexpr const char* kUnknownFault = "未知错误";

}  // namespace

RunControl::RunControl(const RunServices& services)
    : services_(services), runLoop_(services.script, services.executor, services.clock, services.pump) {
    if (services_.trace) runLoop_.SetStepObserver([this](const StepRecord& step) { Trace(step); });
}

void RunControl::Trace(const StepRecord& step) {
    const WindowHandle window = slots_.ServedWindow();
    services_.trace->WriteLine(FormatTraceLine(
        {services_.clock.Now(), slots_.ServedSlot(), window, services_.windows.WindowText(window), step}));
}

void RunControl::ResetRoomState() {
    slots_.ResetSlots();
    label1_ = std::string(kWindowCountCaption) + "0";
    ApplyWindowCount();
}

void RunControl::RunTick() {
    // A tick that falls due inside a step (events are pumped there) is run after it,
    // never nested: the step's run state stays its own.
    if (inTick_) {
        tickDeferred_ = true;
        return;
    }
    struct TickScope {
        bool& flag;
        explicit TickScope(bool& f) : flag(f) { flag = true; }
        ~TickScope() { flag = false; }
    };
    do {
        tickDeferred_ = false;
        const TickScope scope(inTick_);
        LoggingFaults([this] { DoTick(); });
    } while (tickDeferred_);
}

// A fault is the run log's news, not the window's: the timer must go on ticking.
void RunControl::LoggingFaults(const std::function<void()>& work) {
    try {
        work();
    } catch (const std::exception& e) {
        LogFault(e.what());
    } catch (...) {
        LogFault(kUnknownFault);
    }
}

// One line, whatever the fault's text holds.
void RunControl::LogFault(const char* what) {
    std::string line = what;
    std::replace_if(line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    services_.journal.Append(LogTime(services_.clock.Now()) + kFaultLine + line + kLogEnd);
}

void RunControl::DoTick() {
    slots_.MaintainSlots(services_.state.settings, services_.windows, services_.pump, *this);
    label1_ = std::string(kWindowCountCaption) + std::to_string(slots_.WindowCount());
}

// A step that fails costs only itself: the other windows still get their steps.
void RunControl::RunStep() {
    LoggingFaults([this] {
        runLoop_.RunStep(
            [this] {
                return ExecutionTarget{slots_.ServedWindow(), slots_.hWnd(0),
                                       services_.state.settings.FlashMode};
            },
            [this] { return Running(); });
    });
}

void RunControl::SetRunLocks(bool locked) {
    CommandState& c = services_.commands;
    c.toolbar.stop = locked;
    c.toolbar.run = c.toolbar.open = c.toolbar.newInstruction = !locked;
    c.EnableInstructionButtons(!locked);
    c.menuFile = c.menuEdit = c.menuCtrl = c.menuSetup = !locked;
    c.pictEnabled = !locked;
    c.treeEditable = !locked;
}

void RunControl::StartRun() {
    if (!guard_->GuardEmptyInstruction()) return;
    CommandState& c = services_.commands;
    // The run selects Instruction after Instruction; the panel would go on showing one.
    if (c.pictShown) {
        c.pictShown = false;
        RefreshRunButtons();
    }
    c.toolbar.stop = true;
    c.toolbar.run = false;
    RefreshRunButtons();
    services_.journal.Append(StartLines(services_.clock.Now()));
    SetRunLocks(true);
    runLoop_.Restart();
}

void RunControl::StopRun() {
    SetRunLocks(false);
    services_.journal.Append(StopLines(services_.clock.Now()));
}

void RunControl::RefreshRunButtons() {
    const CommandState& c = services_.commands;
    ToolbarState& buttons = services_.commands.toolbar;
    const ScriptState& script = services_.script;
    const bool panelsHidden = !c.framShown && !c.pictShown;
    if (slots_.WindowCount() > 0 && script.IsNonEmpty() && panelsHidden) {
        if (!script.Tree().Empty() && !c.Running()) buttons.run = true;
        buttons.open = true;
        buttons.newInstruction = true;
    } else {
        buttons.open = panelsHidden;
        buttons.newInstruction = script.Tree().Empty();
        buttons.run = false;
    }
}

void RunControl::ApplyWindowCount() {
    CommandState& c = services_.commands;
    const bool usable = slots_.WindowCount() >= 1 && !c.framShown;
    c.menuFile = !c.framShown;
    c.menuEdit = c.menuCtrl = usable;
    c.pictEnabled = c.journalEnabled = usable;
    RefreshRunButtons();
}

}  // namespace tavo
