#pragma once
// What the model's commands, and the rooms beside each other, ask of a room they may not
// include. Each is implemented by the room that owns the rule; the main window's
// composition connects them.
namespace tavo {

// The editor's guard against leaving an empty Instruction behind.
class EmptyInstructionGuard {
public:
    // True when the caller may go on; an empty current Instruction is offered for deletion.
    virtual bool GuardEmptyInstruction() = 0;

protected:
    ~EmptyInstructionGuard() = default;
};

// The runner's rules for the toolbar and the menus.
class RunButtons {
public:
    // Run, Open and New Instruction, from the window count, the Script and the panels.
    virtual void RefreshRunButtons() = 0;
    // The menus, the editor panel and the log, from the window count; then the above.
    virtual void ApplyWindowCount() = 0;

protected:
    ~RunButtons() = default;
};

// A room's own part of the state reset.
class StateResetListener {
public:
    virtual void ResetRoomState() = 0;

protected:
    ~StateResetListener() = default;
};

}  // namespace tavo
