#include "core/editor/tree_pointer.h"

#include "core/model/cp936_field.h"
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

// The panel shows the current Instruction; whatever may make another one current closes
// it first, so that no edit in it can land on the other one.
void TreePointer::HidePanel() {
    if (fields_.Shown()) fields_.ShowEditorPanel(false);
}

void TreePointer::Released(MouseButton button, const std::optional<std::string>& node,
                           TwipsPoint at, const PanelRoom& room) {
    HidePanel();
    const ScriptNode* n = node ? script_.Tree().Find(*node) : nullptr;
    if (!n) return;
    const bool ok = MayLeaveCurrent();
    const ScriptNode* current = script_.CurrentNode();
    if (button == MouseButton::Right) {
        // The node itself, not its caption: two nodes may share one, and the other is
        // not the empty Instruction the rule lets the user reopen.
        if (n == current || ok) {
            SelectKey(n->key);
            fields_.MoveTo(PlaceEditorPanel(at, room));
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

void TreePointer::SelectionMoved(const std::string& node, bool byKeyboard) {
    if (byKeyboard) {
        Released(MouseButton::Left, node, {}, {});
        return;
    }
    HidePanel();
    if (script_.Tree().Find(node) && MayLeaveCurrent()) {
        SelectKey(node);
    } else {
        script_.MarkSelectedAgain();
    }
}

void TreePointer::OpenEditorPanelFromKey(TwipsPoint at, const PanelRoom& room) {
    const ScriptNode* current = script_.CurrentNode();
    if (!current) return;
    Released(MouseButton::Right, current->key, at, room);
    fields_.FocusPanel();
}

bool TreePointer::MayEditCaption(const std::string& node) const {
    const ScriptNode* current = script_.CurrentNode();
    return current && current->key == node;
}

void TreePointer::CaptionEdited(const std::string& typed) {
    ScriptNode* current = script_.CurrentNode();
    if (!current) return;
    // A character the file cannot hold would come back as "?": dropped, with a beep.
    const std::string text = WithoutUnencodable(codePage_, typed);
    if (text != typed) messages_.Beep();
    script_.Current().NodeText = FixWidth(TrimSpaces(text), kNodeTextWidth);
    script_.StoreInstruction();
    script_.Tree().SetCaption(current, text);  // the tree shows the text as typed
}

void TreePointer::DragOver(const std::optional<std::string>& node, bool insideTree) {
    dropHighlight_ = insideTree && node ? *node : std::string();
}

void TreePointer::DropOnTree(const std::optional<std::string>& node) {
    HidePanel();
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
        runButtons_.RefreshRunButtons();  // the dragged Instruction is the current one now
    }
    dropHighlight_.clear();
    dragKey_.clear();
}

void TreePointer::DropOnDelOrder() {
    HidePanel();
    if (dragKey_.empty()) return;
    editor_.DeleteInstruction(dragKey_);
    dragKey_.clear();
}

void TreePointer::DropOnClear() {
    HidePanel();
    fields_.InitializeInstruction();
}

void TreePointer::FocusLost(FocusDestination destination) {
    if (destination == FocusDestination::OtherControl && !fields_.Shown()) editor_.GuardEmptyInstruction();
}

}  // namespace tavo
