#include "core/model/script_state.h"

#include <limits>

#include "core/util/text.h"

namespace tavo {

void ScriptState::SelectInstruction(ScriptNode* node) {
    if (!node) return;
    currentKey_ = node->key;
    ++selectionSerial_;
    if (!node->tag.empty()) ParseTag(current_, node->tag, node->caption);
}

void ScriptState::WriteCurrentToItsNode() {
    if (ScriptNode* node = tree_.Find(KeyOf(current_.NodeKey))) tree_.SetTag(node, BuildTag(current_));
}

void ScriptState::StoreInstruction() {
    WriteCurrentToItsNode();
    SetModified(true);
}

void ScriptState::ClearInstruction() {
    ResetContent(current_);
    WriteCurrentToItsNode();
}

std::int16_t ScriptState::NextKeyNumber() const {
    for (int n = 1; n < std::numeric_limits<std::int16_t>::max(); ++n)
        if (!tree_.Find(NodeKeyFor(n))) return static_cast<std::int16_t>(n);
    return std::numeric_limits<std::int16_t>::max();
}

}  // namespace tavo
