#pragma once
// The keys that edit a Script without the mouse: which action a key stroke asks for,
// from where the keyboard focus is and what the window allows now.
#include "core/model/command_state.h"

namespace tavo {

// Windows' virtual-key codes of the keys below.
namespace vk {
inline constexpr int kF2 = 0x71;
inline constexpr int kF10 = 0x79;
inline constexpr int kApps = 0x5D;  // the context-menu key
inline constexpr int kDelete = 0x2E;
inline constexpr int kEscape = 0x1B;
}  // namespace vk

struct KeyStroke {
    int key = 0;
    bool ctrl = false;
    bool shift = false;
    bool alt = false;
};

// Where the focus is: the tree (with its caption edit box), the Instruction editor panel,
// or another control of the main window; `textBox`: an edit box has it.
enum class KeyPlace { Tree, Panel, Elsewhere };
struct KeyContext {
    KeyPlace place = KeyPlace::Elsewhere;
    bool textBox = false;
    bool mouseHeld = false;  // a drag or a pick holds the mouse
};

enum class KeyAction {
    None,              // the key is the control's own
    Undo,
    Redo,
    Save,
    DeleteInstruction,
    OpenEditorPanel,   // as a right click on the selected Instruction
    EditCaption,
    CloseEditorPanel,
    ReleaseMouse,      // ends the drag or pick under way, taking nothing
};

KeyAction EditingKeyAction(const KeyStroke& stroke, const KeyContext& context,
                           const CommandState& commands);

}  // namespace tavo
