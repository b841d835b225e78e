#pragma once
// The Script tree with its one working copy of an Instruction (the current Instruction)
// and the current node it came from.
#include <cstdint>
#include <string>

#include "core/model/instruction.h"
#include "core/model/script_tree.h"

namespace tavo {

class ScriptState {
public:
    ScriptTree& Tree() { return tree_; }
    const ScriptTree& Tree() const { return tree_; }
    Instruction& Current() { return current_; }
    const Instruction& Current() const { return current_; }

    // The current node, or null: none yet, released, or removed from the tree.
    ScriptNode* CurrentNode() const { return tree_.Find(currentKey_); }
    void ReleaseCurrentNode() { currentKey_.clear(); }

    // Makes the node current (and so selected) and loads its tag; a node never stored
    // leaves the current Instruction as it was. A null node changes nothing.
    void SelectInstruction(ScriptNode* node);

    // The current node shows as selected again (a click elsewhere is undone); the
    // current Instruction is not reloaded.
    void MarkSelectedAgain() { ++selectionSerial_; }

    // Writes the current Instruction into the node its NodeKey names (if any) and
    // marks the Script modified either way.
    void StoreInstruction();

    // Resets the content of the current Instruction and writes it into its node.
    void ClearInstruction();

    std::int16_t NextKeyNumber() const;
    bool IsNonEmpty() const { return IsNonEmptyInstruction(current_, CurrentNode() != nullptr); }

    bool Modified() const { return modified_; }
    void SetModified(bool modified) {
        modified_ = modified;
        if (modified) ++modifiedSerial_;
    }
    // The Script was written to its file: not modified any more.
    void MarkSaved() {
        modified_ = false;
        ++savedSerial_;
    }
    // Bumped whenever the Script is marked modified, and whenever it is saved, so the
    // undo history can tell what happened outside its own changes.
    std::uint64_t ModifiedSerial() const { return modifiedSerial_; }
    std::uint64_t SavedSerial() const { return savedSerial_; }

    // Bumped whenever a node is selected, so the view scrolls to it even when the same
    // node is selected again.
    std::uint64_t SelectionSerial() const { return selectionSerial_; }

private:
    void WriteCurrentToItsNode();

    ScriptTree tree_;
    Instruction current_;
    std::string currentKey_;
    bool modified_ = false;
    std::uint64_t selectionSerial_ = 0;
    std::uint64_t modifiedSerial_ = 0;
    std::uint64_t savedSerial_ = 0;
};

}  // namespace tavo
