#pragma once
// Structural editing of the Script tree: adding, deleting and moving Instructions, where
// the next new one goes, and the guard against leaving an empty Instruction behind.
#include <string>

#include "core/editor/editor_host.h"
#include "core/editor/field_editor.h"
#include "core/model/script_state.h"
#include "platform/message_boxes.h"

namespace tavo {

inline constexpr const char* kRootKey = "Root";

enum class MoveDirection { Up = 0, Down = 1, UpLevel = 2, ChildOfPrevious = 3 };

class TreeEditor {
public:
    TreeEditor(ScriptState& script, EditorHost& host, MessageBoxes& messages, FieldEditor& fields)
        : script_(script), host_(host), messages_(messages), fields_(fields) {}

    // Adds an empty Instruction under the insertion parent and makes it current; the
    // editor panel, which showed the one current before, closes.
    void AddInstruction();
    // Deletes the current Instruction, or the one with `key` (a drop on 删除).
    void DeleteInstruction();
    void DeleteInstruction(const std::string& key);
    void MoveInstruction(MoveDirection direction);
    // True when the caller may go on; an empty current Instruction is offered for deletion.
    bool GuardEmptyInstruction();

    // The next new Instruction goes under the node with this key ("Root": the top level).
    void SetInsertParent(const std::string& key);
    const std::string& InsertParentKey() const { return insertParentKey_; }
    const std::string& LabKey() const { return labKey_; }

    // A mouse button is down on DelOrder or Clear: the guard lets that click through.
    void SetButtonHeld(bool held) { buttonHeld_ = held; }
    bool ButtonHeld() const { return buttonHeld_; }

private:
    ScriptState& script_;
    EditorHost& host_;
    MessageBoxes& messages_;
    FieldEditor& fields_;
    std::string insertParentKey_ = kRootKey;
    std::string labKey_ = kRootKey;
    bool buttonHeld_ = false;
    bool asking_ = false;
};

}  // namespace tavo
