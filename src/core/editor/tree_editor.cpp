#include "core/editor/tree_editor.h"

#include <optional>

#include "core/model/gmx_format.h"
#include "core/util/text.h"

namespace tavo {
namespace {

constexpr const char* kTooManyToAdd = "脚本最多230条指令,无法继续添加。";
constexpr const char* kCannotDelete = "不能删除带子指令的指令!";
constexpr const char* kCannotMove = "不能移动带子指令的指令!";

struct MovePlan {
    ScriptNode* anchor = nullptr;
    Placement placement = Placement::Before;
};

// Where a move by the buttons puts the node, with the icon change it needs first; none
// when the node has nowhere to go that way.
std::optional<MovePlan> PlanMove(ScriptTree& tree, const ScriptNode& node, MoveDirection direction) {
    ScriptNode* parent = node.parent;
    // A parent left by its only child shows as a plain Instruction again.
    auto leaving = [&] {
        if (ChildCount(parent) == 1) tree.SetIcon(parent, kIconInstruction);
    };
    switch (direction) {
        case MoveDirection::Up:
            if (ScriptNode* s = tree.PreviousSibling(&node)) return MovePlan{s, Placement::Before};
            if (!parent) return std::nullopt;
            leaving();
            return MovePlan{parent, Placement::Before};
        case MoveDirection::Down:
            if (ScriptNode* s = tree.NextSibling(&node)) return MovePlan{s, Placement::After};
            return std::nullopt;
        case MoveDirection::UpLevel:
            if (!parent) return std::nullopt;
            leaving();
            return MovePlan{parent, Placement::After};
        case MoveDirection::ChildOfPrevious:
            if (ScriptNode* s = tree.PreviousSibling(&node)) {
                tree.SetIcon(s, kIconWithChildren);
                return MovePlan{s, Placement::LastChild};
            }
            return std::nullopt;
    }
    return std::nullopt;
}

}  // namespace

void TreeEditor::AddInstruction() {
    ScriptTree& tree = script_.Tree();
    if (tree.Count() >= kMaxRecords) {
        messages_.Show(kTooManyToAdd, MessageButtons::Ok, MessageIcon::Information);
        return;
    }
    Instruction& in = script_.Current();
    ResetContent(in);
    const std::string key = NodeKeyFor(script_.NextKeyNumber());
    const std::string caption = settings_.Boxes().Name_txt + key.substr(1);
    in.NodeKey = FixWidth(key, kKeyWidth);
    in.NodeText = FixWidth(caption, kNodeTextWidth);
    ScriptNode* parent = KeyOf(insertParentKey_) == kRootKey ? nullptr : tree.Find(KeyOf(insertParentKey_));
    ScriptNode* node = tree.Add(parent, Placement::LastChild, key, caption, kIconInstruction);
    in.NodeParent = FixWidth(parent ? parent->key : std::string(), kKeyWidth);
    if (fields_.Shown()) fields_.ShowEditorPanel(false);
    SetInsertParent(kRootKey);
    script_.SelectInstruction(node);
    commands_.EnableInstructionButtons(true);
    focus_.Request(FocusTarget::InfoTree);
    if (parent) tree.SetIcon(parent, kIconWithChildren);
    tree.SetTag(node, BuildTag(in));
    runButtons_.RefreshRunButtons();
}

void TreeEditor::DeleteInstruction() {
    const ScriptNode* current = script_.CurrentNode();
    if (current) DeleteInstruction(current->key);  // nothing to delete in an empty tree
}

void TreeEditor::DeleteInstruction(const std::string& nodeKey) {
    ScriptTree& tree = script_.Tree();
    const ScriptNode* node = tree.Find(nodeKey);
    if (!node) return;
    if (!node->children.empty()) {
        messages_.Show(kCannotDelete, MessageButtons::Ok, MessageIcon::None);
        return;
    }
    const std::string key = node->key;
    ScriptNode* parent = node->parent;
    int index = tree.IndexOf(node);
    if (KeyOf(insertParentKey_) == key) SetInsertParent(kRootKey);
    tree.Remove(key);
    if (parent && parent->children.empty()) tree.SetIcon(parent, kIconInstruction);
    if (tree.Empty()) {
        settings_.ResetState();
    } else {
        if (index > tree.Count()) index = tree.Count();
        script_.SelectInstruction(tree.NodeAt(index));
    }
    script_.SetModified(true);
    if (fields_.Shown()) fields_.ShowEditorPanel(false);
    runButtons_.RefreshRunButtons();
}

void TreeEditor::MoveInstruction(MoveDirection direction) {
    ScriptTree& tree = script_.Tree();
    const ScriptNode* node = script_.CurrentNode();
    if (!node) return;
    if (!node->children.empty()) {
        messages_.Show(kCannotMove, MessageButtons::Ok, MessageIcon::Information);
        return;
    }
    const auto plan = PlanMove(tree, *node, direction);
    if (!plan) return;
    // Re-created under the same key, so every jump to it stays valid.
    const ScriptNode old = *node;
    tree.Remove(old.key);
    ScriptNode* moved = tree.Add(plan->anchor, plan->placement, old.key, old.caption, old.icon);
    if (!moved) return;
    Instruction& in = script_.Current();
    in.NodeParent = FixWidth(moved->parent ? moved->parent->key : std::string(), kKeyWidth);
    tree.SetTag(moved, BuildTag(in));
    script_.SelectInstruction(moved);
    script_.SetModified(true);
}

bool TreeEditor::GuardEmptyInstruction() {
    // Without a current node (a load that stopped early) there is no Instruction of the
    // tree to keep from being empty. While the question is open, the focus it takes from
    // the tree must not ask it again.
    const bool refuse = !asking_ && !script_.Tree().Empty() && script_.CurrentNode() &&
                        !script_.IsNonEmpty() && !buttonHeld_;
    buttonHeld_ = false;
    if (asking_) return false;
    if (!refuse) return true;
    const std::string question =
        "不能预留空指令，是否自动删除" + KeyOf(script_.Current().NodeKey) + "指令?";
    asking_ = true;
    const MessageAnswer answer = messages_.Show(question, MessageButtons::YesNo, MessageIcon::Question);
    asking_ = false;
    if (answer == MessageAnswer::Yes) {
        DeleteInstruction();
    } else {
        focus_.Request(FocusTarget::InfoTree);
    }
    return false;
}

void TreeEditor::SetInsertParent(const std::string& key) {
    insertParentKey_ = key;
    // The label names the insertion parent by the current node's caption, never by its key.
    labKey_ = key;
    const ScriptNode* current = script_.CurrentNode();
    if (labKey_ != kRootKey && current && labKey_ != current->caption) labKey_ = current->caption;
}

}  // namespace tavo
