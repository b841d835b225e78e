#pragma once
// The main window's logic: owns the Script, the window table and the run, and keeps
// the view-model in step with them.
#include "core/controller/view_model.h"
#include "core/model/script_state.h"
#include "core/runner/run_log.h"
#include "core/runner/run_loop.h"
#include "core/runner/window_slots.h"
#include "platform/clock.h"
#include "platform/event_pump.h"
#include "platform/message_boxes.h"
#include "platform/window_queries.h"

namespace tavo {

enum class Command {
    MenuNew, MenuOpen, MenuSave, MenuSaveAs, MenuClear, MenuDel,
    EditNew, EditDel, EditClear,
    CtrlRun, CtrlStop,
    Setup,
};

struct ControllerServices {
    WindowQueries& windows;
    Clock& clock;
    EventPump& pump;
    MessageBoxes& messages;
    InstructionExecutor& executor;
};

class MainController : private SlotVisitor {
public:
    MainController(const ControllerServices& services, ProductInfo product);

    // Once, when the main window has been created.
    void Startup();

    void RunTick();
    void StartRun();
    void StopRun();
    void ApplyWindowCount();
    void RefreshRunButtons();
    bool GuardEmptyInstruction();

    void ToolbarClicked(int button);
    void Choose(Command command);

    MainViewModel View() const;
    bool Running() override { return vm_.toolbarEnabled[kButtonStop]; }

    ScriptState& Script() { return script_; }
    const WindowSlots& Slots() const { return slots_; }
    const RunState& Run() const { return runLoop_.State(); }
    DiscoverySettings& Settings() { return settings_; }

private:
    void RunStep() override;
    void DoTick();
    void AppendLog(const std::string& text) { vm_.journal += text; }
    void SetRunLocks(bool locked);
    void DeleteInstruction();
    void ResetState();

    ControllerServices services_;
    ProductInfo product_;
    ScriptState script_;
    WindowSlots slots_;
    DiscoverySettings settings_;
    RunLoop runLoop_;
    MainViewModel vm_;
    bool buttonHeld_ = false;  // a button of the editor is held down
    bool inTick_ = false;
    bool tickDeferred_ = false;
};

}  // namespace tavo
