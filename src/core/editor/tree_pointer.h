#pragma once
// The mouse on the Script tree: selection by click, the editor panel on a right-button
// release, the insertion parent, caption edits in place, and drag and drop of nodes.
#include <optional>
#include <string>

#include "core/editor/editor_geometry.h"
#include "core/editor/tree_editor.h"
#include "platform/code_page.h"

namespace tavo {

enum class MouseButton { Left, Right, Middle };

// Where the keyboard focus went when the tree lost it.
enum class FocusDestination {
    Tree,          // the tree's own caption edit box: still the tree
    OtherControl,  // another control of the main window
    Outside,       // no window of Tavo: another program, or Tavo hidden
};

inline constexpr const char* kCannotDrop = "指令不能移动到此位置。";

class TreePointer {
public:
    TreePointer(ScriptState& script, RunButtons& runButtons, MessageBoxes& messages,
                CodePage936& codePage, FieldEditor& fields, TreeEditor& editor)
        : script_(script), runButtons_(runButtons), messages_(messages), codePage_(codePage),
          fields_(fields), editor_(editor) {}

    // `node`: the key of the node under the pointer, if any. Points are twips relative
    // to the tree.
    void Pressed(const std::optional<std::string>& node);
    void Released(MouseButton button, const std::optional<std::string>& node, TwipsPoint at,
                  const PanelRoom& room);
    // The tree's selection moved to the node without the mouse. By the keyboard it is a
    // left click; moved by another program it names no insertion parent.
    void SelectionMoved(const std::string& node, bool byKeyboard);
    // The context-menu key or Shift+F10: a right click on the current Instruction at `at`
    // (its place in the tree), with the focus in the panel it opens.
    void OpenEditorPanelFromKey(TwipsPoint at, const PanelRoom& room);
    // Whether a caption edit may start on the node: only the current one is edited.
    bool MayEditCaption(const std::string& node) const;
    void CaptionEdited(const std::string& text);

    // `node`: under the pointer; `insideTree`: false once the pointer has left the tree.
    // A drop is a release on the tree too: each closes the editor panel first.
    void DragOver(const std::optional<std::string>& node, bool insideTree);
    void DropOnTree(const std::optional<std::string>& node);
    // Deletes the dragged Instruction, as 删除 deletes the current one.
    void DropOnDelOrder();
    void DropOnClear();
    void DragEnded() { dropHighlight_.clear(); }
    // Asks about an empty Instruction only when the user moved on to another control of
    // Tavo: not for a caption edit, nor while the user is in another program.
    void FocusLost(FocusDestination destination);

    const std::string& DragKey() const { return dragKey_; }
    // The node drawn as the drop target; empty for none.
    const std::string& DropHighlight() const { return dropHighlight_; }

private:
    // Whether the user may leave the current Instruction for another node.
    bool MayLeaveCurrent() const;
    void SelectKey(const std::string& key);
    void HidePanel();

    ScriptState& script_;
    RunButtons& runButtons_;
    MessageBoxes& messages_;
    CodePage936& codePage_;
    FieldEditor& fields_;
    TreeEditor& editor_;
    std::string dragKey_;
    std::string dropHighlight_;
};

}  // namespace tavo
