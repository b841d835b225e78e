#pragma once
// The steps undo and redo go through: a snapshot of the Script before each change, in a
// bounded history that also knows which of its states the Script's file holds.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "core/editor/tree_editor.h"
#include "core/model/instruction.h"
#include "core/model/script_tree.h"

namespace tavo {

// What undo puts back: the tree with every record, the current Instruction and its node
// (empty key: none), where the next new Instruction goes, and Modified.
struct ScriptSnapshot {
    TreeImage tree;
    std::string currentKey;
    Instruction current;
    InsertionPoint insertion;
    bool modified = false;
};

class UndoHistory {
public:
    static constexpr std::size_t kMaxSteps = 100;

    // A change was made from `before`; whatever could be redone is gone. `textField`
    // names the text field an edit typed into (empty for any other change): the next
    // edit of the same field joins this step, which already holds the state before both.
    void Record(ScriptSnapshot before, const std::string& textField = {});
    // Something that changed nothing happened: typing into another field, or anything
    // else, starts a step of its own afterwards.
    void NoteNoChange(const std::string& textField);

    // The state to go back (or forward) to, given the state now, which the opposite
    // direction keeps; none when there is no step that way.
    std::optional<ScriptSnapshot> Undo(ScriptSnapshot now);
    std::optional<ScriptSnapshot> Redo(ScriptSnapshot now);
    std::size_t UndoSteps() const { return undo_.size(); }
    std::size_t RedoSteps() const { return redo_.size(); }

    // Forgets every step; `saved`: the state now is the one the file holds.
    void Clear(bool saved);
    // The state now is the file's: going back to it clears Modified, every other state
    // of the history differs from the file.
    void MarkSaved();
    // No state of the history is the file's (the settings changed outside it).
    void ForgetSaved();

private:
    // Steps taken since the history was emptied, the dropped ones included.
    std::uint64_t Position() const { return dropped_ + undo_.size(); }
    void MarkAllModified();
    ScriptSnapshot Arrive(ScriptSnapshot snapshot) const;

    std::deque<ScriptSnapshot> undo_;
    std::deque<ScriptSnapshot> redo_;
    std::uint64_t dropped_ = 0;
    std::optional<std::uint64_t> saved_ = 0;
    std::string typing_;
};

}  // namespace tavo
