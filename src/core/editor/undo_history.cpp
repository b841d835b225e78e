#include "core/editor/undo_history.h"

#include <utility>

namespace tavo {

void UndoHistory::Record(ScriptSnapshot before, const std::string& textField) {
    if (!textField.empty() && textField == typing_) return;
    typing_ = textField;
    // The file's state was among the steps that can no longer be redone.
    if (saved_ && *saved_ > Position()) saved_.reset();
    redo_.clear();
    undo_.push_back(std::move(before));
    if (undo_.size() > kMaxSteps) {
        undo_.pop_front();
        ++dropped_;
    }
}

void UndoHistory::NoteNoChange(const std::string& textField) {
    if (textField != typing_) typing_.clear();
}

// Back at the file's state the Script is not modified, whatever it was when it left it.
ScriptSnapshot UndoHistory::Arrive(ScriptSnapshot snapshot) const {
    if (saved_ == Position()) snapshot.modified = false;
    return snapshot;
}

std::optional<ScriptSnapshot> UndoHistory::Undo(ScriptSnapshot now) {
    if (undo_.empty()) return std::nullopt;
    typing_.clear();
    redo_.push_back(std::move(now));
    ScriptSnapshot back = std::move(undo_.back());
    undo_.pop_back();
    return Arrive(std::move(back));
}

std::optional<ScriptSnapshot> UndoHistory::Redo(ScriptSnapshot now) {
    if (redo_.empty()) return std::nullopt;
    typing_.clear();
    undo_.push_back(std::move(now));
    ScriptSnapshot forward = std::move(redo_.back());
    redo_.pop_back();
    return Arrive(std::move(forward));
}

void UndoHistory::Clear(bool saved) {
    undo_.clear();
    redo_.clear();
    dropped_ = 0;
    saved_ = saved ? std::optional<std::uint64_t>(0) : std::nullopt;
    typing_.clear();
}

void UndoHistory::MarkAllModified() {
    for (ScriptSnapshot& s : undo_) s.modified = true;
    for (ScriptSnapshot& s : redo_) s.modified = true;
}

void UndoHistory::MarkSaved() {
    saved_ = Position();
    MarkAllModified();
}

void UndoHistory::ForgetSaved() {
    saved_.reset();
    MarkAllModified();
}

}  // namespace tavo
