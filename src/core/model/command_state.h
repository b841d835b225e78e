#pragma once
// Which commands, buttons and panels of the main window are available or shown. Every
// room's rules change it; the window only shows it. Save's state is not kept here: it is
// `Modified`.
namespace tavo {

struct ToolbarState {
    bool open = false;
    bool newInstruction = false;
    bool run = false;
    bool stop = false;

    bool operator==(const ToolbarState&) const = default;
};

struct CommandState {
    ToolbarState toolbar;
    bool menuFile = true;
    bool menuEdit = false;
    bool menuCtrl = false;
    bool menuSetup = true;
    bool pictEnabled = false;
    bool journalEnabled = false;
    // The editor buttons 初始 and 删除: the tree has an Instruction to act on.
    bool clearEnabled = false;
    bool delOrderEnabled = false;
    bool framShown = false;
    bool pictShown = false;
    // Drag and drop of nodes and in-place caption editing; off during a run.
    bool treeEditable = true;

    bool Running() const { return toolbar.stop; }
    void EnableInstructionButtons(bool enabled) { clearEnabled = delOrderEnabled = enabled; }

    bool operator==(const CommandState&) const = default;
};

}  // namespace tavo
