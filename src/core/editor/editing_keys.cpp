#include "core/editor/editing_keys.h"

namespace tavo {
namespace {

bool Plain(const KeyStroke& s) { return !s.ctrl && !s.shift && !s.alt; }
bool CtrlOnly(const KeyStroke& s) { return s.ctrl && !s.shift && !s.alt; }

// Keys of a text box are its own: Delete, Esc and Ctrl+Z there edit the text.
KeyAction CtrlKeyAction(int key, const KeyContext& c, const CommandState& commands) {
    if (c.mouseHeld) return KeyAction::None;
    if ((key == 'Z' || key == 'Y') && !c.textBox)
        return key == 'Z' ? KeyAction::Undo : KeyAction::Redo;
    // Not from the caption edit box: the caption typed so far is not yet the Instruction's.
    const bool editorFocused =
        c.place == KeyPlace::Panel || (c.place == KeyPlace::Tree && !c.textBox);
    if (key == 'S' && editorFocused && commands.menuFile) return KeyAction::Save;
    return KeyAction::None;
}

KeyAction EscapeAction(const KeyContext& c, const CommandState& commands) {
    if (c.mouseHeld) return KeyAction::ReleaseMouse;
    const bool closes = c.place == KeyPlace::Panel || (c.place == KeyPlace::Tree && !c.textBox);
    return closes && commands.pictShown ? KeyAction::CloseEditorPanel : KeyAction::None;
}

}  // namespace

KeyAction EditingKeyAction(const KeyStroke& stroke, const KeyContext& c,
                           const CommandState& commands) {
    if (CtrlOnly(stroke)) return CtrlKeyAction(stroke.key, c, commands);
    if (Plain(stroke) && stroke.key == vk::kEscape) return EscapeAction(c, commands);
    if (c.mouseHeld || c.textBox || c.place == KeyPlace::Elsewhere) return KeyAction::None;
    const bool contextKey = (Plain(stroke) && stroke.key == vk::kApps) ||
                            (stroke.shift && !stroke.ctrl && !stroke.alt && stroke.key == vk::kF10);
    if (contextKey && c.place == KeyPlace::Tree) return KeyAction::OpenEditorPanel;
    if (!Plain(stroke)) return KeyAction::None;
    if (stroke.key == vk::kF2 && c.place == KeyPlace::Tree && commands.treeEditable)
        return KeyAction::EditCaption;
    // The rule of the panel's 删除 button, which a run disables.
    if (stroke.key == vk::kDelete && commands.delOrderEnabled && !commands.Running())
        return KeyAction::DeleteInstruction;
    return KeyAction::None;
}

}  // namespace tavo
