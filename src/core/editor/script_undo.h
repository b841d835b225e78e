#pragma once
// Undo and redo of the Script: what the user does is recorded as one change when it
// changed the tree, and undo and redo put the tree, the current Instruction, the
// insertion parent and Modified back as they were.
#include <cstdint>
#include <optional>
#include <string>

#include "core/editor/field_editor.h"
#include "core/editor/tree_editor.h"
#include "core/editor/undo_history.h"
#include "core/model/command_state.h"
#include "core/model/room_ports.h"
#include "core/model/script_state.h"

namespace tavo {

class ScriptUndo final : public StateResetListener {
public:
    ScriptUndo(ScriptState& script, CommandState& commands, RunButtons& runButtons,
               TreeEditor& editor, FieldEditor& fields)
        : script_(script),
          commands_(commands),
          runButtons_(runButtons),
          editor_(editor),
          fields_(fields) {}

    // Runs what the user did as one change: a step of the history when it changed the
    // tree. `textField` names the text field it typed into, if any (consecutive edits of
    // one field of one Instruction are one step). Changes nested in one (events during
    // its message boxes) belong to it; so does a state reset it makes (Clear Script,
    // deleting the last Instruction).
    template <class Change>
    void RecordChange(const std::string& textField, Change&& change) {
        BeginChange();
        try {
            change();
        } catch (...) {
            EndChange(textField);
            throw;
        }
        EndChange(textField);
    }

    // Not during a run, nor inside a change (a question it asks is open).
    bool CanUndo() const { return Available() && history_.UndoSteps() > 0; }
    bool CanRedo() const { return Available() && history_.RedoSteps() > 0; }
    void Undo();
    void Redo();

    // A state reset outside a change (a load, New, a new keyword or window kind) starts
    // the history afresh.
    void ResetRoomState() override;

private:
    bool Available() const { return !commands_.Running() && depth_ == 0; }
    void BeginChange();
    void EndChange(const std::string& textField);
    ScriptSnapshot Take() const;
    void Restore(const ScriptSnapshot& snapshot);
    // A save, or a setting that marked the Script modified, since the history last looked.
    void NoteOutsideChanges();
    void NoteSaved();
    void Seen();

    ScriptState& script_;
    CommandState& commands_;
    RunButtons& runButtons_;
    TreeEditor& editor_;
    FieldEditor& fields_;
    UndoHistory history_;
    int depth_ = 0;
    std::optional<ScriptSnapshot> before_;
    std::uint64_t seenModified_ = 0;
    std::uint64_t seenSaved_ = 0;
};

}  // namespace tavo
