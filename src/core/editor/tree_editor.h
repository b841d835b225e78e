#pragma once
// Structural editing of the Script tree: adding, deleting and moving Instructions, where
// the next new one goes, and the guard against leaving an empty Instruction behind.
#include <string>

#include "core/editor/field_editor.h"
#include "core/editor/focus_request.h"
#include "core/model/command_state.h"
#include "core/model/room_ports.h"
#include "core/model/script_state.h"
#include "core/model/settings_panel.h"
#include "platform/message_boxes.h"

namespace tavo {

inline constexpr const char* kRootKey = "Root";

// Where the next new Instruction goes, and the label that names it.
struct InsertionPoint {
    std::string parentKey = kRootKey;
    std::string label = kRootKey;

    bool operator==(const InsertionPoint&) const = default;
};

enum class MoveDirection { Up = 0, Down = 1, UpLevel = 2, ChildOfPrevious = 3 };

struct TreeEditorServices {
    ScriptState& script;
    SettingsPanel& settings;  // the keyword that captions a new Instruction; the state reset
    CommandState& commands;
    FocusRequest& focus;
    RunButtons& runButtons;
    MessageBoxes& messages;
};

class TreeEditor final : public EmptyInstructionGuard, public StateResetListener {
public:
    TreeEditor(const TreeEditorServices& services, FieldEditor& fields)
        : script_(services.script), settings_(services.settings), commands_(services.commands),
          focus_(services.focus), runButtons_(services.runButtons), messages_(services.messages),
          fields_(fields) {}

    // Adds an empty Instruction under the insertion parent and makes it current; the
    // editor panel, which showed the one current before, closes.
    void AddInstruction();
    // The command 新增指令: the guard first, then AddInstruction.
    void AddInstructionAfterGuard() {
        if (GuardEmptyInstruction()) AddInstruction();
    }
    // Deletes the current Instruction, or the one with `key` (a drop on 删除).
    void DeleteInstruction();
    void DeleteInstruction(const std::string& key);
    void MoveInstruction(MoveDirection direction);
    // True when the caller may go on; an empty current Instruction is offered for deletion.
    bool GuardEmptyInstruction() override;
    // The insertion parent back to the top level: part of the state reset.
    void ResetRoomState() override { SetInsertParent(kRootKey); }

    // The next new Instruction goes under the node with this key ("Root": the top level).
    void SetInsertParent(const std::string& key);
    const std::string& InsertParentKey() const { return insertParentKey_; }
    const std::string& LabKey() const { return labKey_; }
    // As undo takes it and puts it back, label included: the label follows the node that
    // was current when the parent was chosen.
    InsertionPoint Insertion() const { return {insertParentKey_, labKey_}; }
    void RestoreInsertion(const InsertionPoint& point) {
        insertParentKey_ = point.parentKey;
        labKey_ = point.label;
    }

    // A mouse button is down on DelOrder or Clear: the guard lets that click through.
    void SetButtonHeld(bool held) { buttonHeld_ = held; }
    bool ButtonHeld() const { return buttonHeld_; }

private:
    ScriptState& script_;
    SettingsPanel& settings_;
    CommandState& commands_;
    FocusRequest& focus_;
    RunButtons& runButtons_;
    MessageBoxes& messages_;
    FieldEditor& fields_;
    std::string insertParentKey_ = kRootKey;
    std::string labKey_ = kRootKey;
    bool buttonHeld_ = false;
    bool asking_ = false;
};

}  // namespace tavo
