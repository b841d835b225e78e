#include "core/editor/tree_pointer.h"

#include "core/util/text.h"

namespace tavo {

void TreePointer::Pressed(const std::optional<std::string>& node) {
    if (node) dragKey_ = KeyOf(*node);
}

// Without a current node (a load that stopped early) there is no Instruction of the tree
// to protect, and clicks must still be able to choose one.
bool TreePointer::MayLeaveCurrent() const {
    return !script_.CurrentNode() || script_.IsNonEmpty();
}

void TreePointer::SelectKey(const std::string& key) {
    const ScriptNode* current = script_.CurrentNode();
    if (!current || current->key != key) script_.SelectInstruction(script_.Tree().Find(key));
}

void TreePointer::Released(MouseButton button, const std::optional<std::string>& node,
                           TwipsPoint at, const TreeBox& tree) {
    if (fields_.Shown()) fields_.ShowEditorPanel(false);
    const ScriptNode* n = node ? script_.Tree().Find(*node) : nullptr;
    if (!n) return;
    const bool ok = MayLeaveCurrent();
    const ScriptNode* current = script_.CurrentNode();
    if (button == MouseButton::Right) {
        if ((current && n->caption == current->caption) || ok) {
            SelectKey(n->key);
            fields_.MoveTo(PlaceEditorPanel(at, tree));
            fields_.ShowEditorPanel(true);
        } else {
            script_.MarkSelectedAgain();
        }
        return;
    }
    if (ok) {
        SelectKey(n->key);
        if (!IsBlank(script_.Current().pPicture)) editor_.SetInsertParent(script_.CurrentNode()->key);
    } else {
        script_.MarkSelectedAgain();
    }
    fields_.ShowEditorPanel(false);
}

void TreePointer::SelectionMoved(const std::string& node) {
    if (fields_.Shown()) fields_.ShowEditorPanel(false);
    if (script_.Tree().Find(node) && MayLeaveCurrent()) {
        SelectKey(node);
    } else {
        script_.MarkSelectedAgain();
    }
}

bool TreePointer::MayEditCaption(const std::string& node) const {
    const ScriptNode* current = script_.CurrentNode();
    return current && current->key == node;
}

void TreePointer::CaptionEdited(const std::string& text) {
    ScriptNode* current = script_.CurrentNode();
    if (!current) return;
    script_.Current().NodeText = FixWidth(TrimSpaces(text), kNodeTextWidth);
    script_.StoreInstruction();
    script_.Tree().SetCaption(current, text);  // the tree shows the text as typed
}

void TreePointer::DragOver(const std::optional<std::string>& node, bool insideTree) {
    dropHighlight_ = insideTree && node ? *node : std::string();
}

void TreePointer::DropOnTree(const std::optional<std::string>& node) {
    if (dragKey_.empty()) return;
    ScriptTree& tree = script_.Tree();
    ScriptNode* s = tree.Find(dragKey_);
    ScriptNode* t = node ? tree.Find(*node) : nullptr;
    // A dragged node deleted meanwhile has nothing to move; a drop beside the nodes
    // brings the subtree back to the top level.
    if (s && !tree.Reparent(s->key, t)) {
        messages_.Show(kCannotDrop, MessageButtons::Ok, MessageIcon::None);
    } else if (s) {
        script_.SelectInstruction(s);
        script_.Current().NodeParent = FixWidth(t ? t->key : std::string(), kKeyWidth);
        if (s->parent) tree.SetIcon(s->parent, kIconWithChildren);
        script_.StoreInstruction();
        host_.RefreshRunButtons();  // the dragged Instruction is the current one now
    }
    dropHighlight_.clear();
    dragKey_.clear();
}

void TreePointer::DropOnDelOrder() {
    if (dragKey_.empty()) return;
    editor_.DeleteInstruction();
    dragKey_.clear();
}

void TreePointer::DropOnClear() { host_.InitializeInstruction(); }

void TreePointer::FocusLost() {
    if (!fields_.Shown()) editor_.GuardEmptyInstruction();
}

}  // namespace tavo
