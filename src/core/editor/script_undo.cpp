#include "core/editor/script_undo.h"

#include <utility>

namespace tavo {

void ScriptUndo::BeginChange() {
    if (depth_++ > 0) return;
    NoteOutsideChanges();
    before_ = Take();
}

void ScriptUndo::EndChange(const std::string& textField) {
    if (--depth_ > 0) return;
    ScriptSnapshot before = std::move(*before_);
    before_.reset();
    // A change that left the tree as it was records nothing: selecting, opening the
    // panel, a refused move.
    if (script_.Tree().Image() != before.tree) {
        history_.Record(std::move(before), textField);
    } else {
        history_.NoteNoChange(textField);
    }
    // The change's own marks are the history's; a save it ended with (Save after the
    // empty-Instruction question deleted one) makes the state now the file's.
    NoteSaved();
    Seen();
}

void ScriptUndo::NoteOutsideChanges() {
    // A setting changed since: the file's header differs from every state of the tree.
    if (script_.ModifiedSerial() != seenModified_) history_.ForgetSaved();
    NoteSaved();
    Seen();
}

void ScriptUndo::NoteSaved() {
    if (script_.SavedSerial() != seenSaved_ && !script_.Modified()) history_.MarkSaved();
}

void ScriptUndo::Seen() {
    seenModified_ = script_.ModifiedSerial();
    seenSaved_ = script_.SavedSerial();
}

void ScriptUndo::ResetRoomState() {
    if (depth_ > 0) return;  // part of the change being recorded
    history_.Clear(!script_.Modified());
    Seen();
}

ScriptSnapshot ScriptUndo::Take() const {
    const ScriptNode* node = script_.CurrentNode();
    return {script_.Tree().Image(), node ? node->key : std::string(), script_.Current(),
            editor_.Insertion(), script_.Modified()};
}

// The editor panel closes: the Instruction put back may not be the one it showed, and
// reloading its boxes runs their rules, which may store.
void ScriptUndo::Restore(const ScriptSnapshot& snapshot) {
    if (fields_.Shown()) fields_.ShowEditorPanel(false);
    ScriptTree& tree = script_.Tree();
    tree.Restore(snapshot.tree);
    // The node's record is what its Instruction held; a pick under way had reset its
    // point in the working copy only.
    script_.Current() = snapshot.current;
    if (ScriptNode* node = tree.Find(snapshot.currentKey)) {
        script_.SelectInstruction(node);
    } else {
        script_.ReleaseCurrentNode();
    }
    editor_.RestoreInsertion(snapshot.insertion);
    script_.SetModified(snapshot.modified);
    commands_.EnableInstructionButtons(!tree.Empty() && !commands_.framShown);
    runButtons_.RefreshRunButtons();
}

void ScriptUndo::Undo() {
    if (!CanUndo()) return;
    NoteOutsideChanges();
    if (auto back = history_.Undo(Take())) Restore(*back);
    Seen();
}

void ScriptUndo::Redo() {
    if (!CanRedo()) return;
    NoteOutsideChanges();
    if (auto forward = history_.Redo(Take())) Restore(*forward);
    Seen();
}

}  // namespace tavo
