// The main window's keys: Tab and Enter between the panels' controls, and the editing
// keys, whose meaning the core decides from where the focus is.
#include "app/main/form1.h"

#include <commctrl.h>

#include "app/shared/child_controls.h"

namespace tavo {
namespace {

bool IsTextBox(HWND window) {
    wchar_t name[8] = {};
    return window && GetClassNameW(window, name, 8) > 0 && lstrcmpiW(name, L"Edit") == 0;
}

bool Down(int key) { return (GetKeyState(key) & 0x8000) != 0; }

}  // namespace

bool Form1::PreTranslate(MSG& msg) {
    if (!window_ || (msg.hwnd != window_ && !IsChild(window_, msg.hwnd))) return false;
    // F10 comes as a system key. The release of a key taken goes too, and the context
    // menu the context-menu key asks for (Wine posts it after the release): it would open
    // over the box the panel gave the focus to.
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
        contextMenuTaken_ = false;  // Windows posts none: it must not wait for a later one
        takenKey_ = PressEditingKey(msg.wParam) ? msg.wParam : 0;
        if (takenKey_) return true;
    }
    if ((msg.message == WM_KEYUP || msg.message == WM_SYSKEYUP) && msg.wParam == takenKey_) {
        takenKey_ = 0;
        contextMenuTaken_ = msg.wParam == VK_APPS;
        return true;
    }
    if (msg.message == WM_CONTEXTMENU && msg.lParam == -1 && contextMenuTaken_) {
        contextMenuTaken_ = false;
        return true;
    }
    // Only Tab, Shift+Tab and Enter: the menu's Alt keys and the tree's own keys stay as
    // they are. Enter in a box then has nothing to do and does not beep.
    if (msg.message != WM_KEYDOWN && msg.message != WM_CHAR) return false;
    if (msg.wParam != VK_TAB && msg.wParam != VK_RETURN) return false;
    const HWND focus = GetFocus();
    const bool inPanel = focus && (IsChild(controls_.fram, focus) || IsChild(controls_.pict, focus));
    return inPanel && IsDialogMessageW(window_, &msg);
}

bool Form1::PressEditingKey(WPARAM key) {
    const HWND focus = GetFocus();
    KeyContext context;
    context.place = IsWithin(focus, controls_.infoTree) ? KeyPlace::Tree
                    : IsWithin(focus, controls_.pict)   ? KeyPlace::Panel
                                                    : KeyPlace::Elsewhere;
    context.textBox = IsTextBox(focus);
    context.mouseHeld = GetCapture() != nullptr;
    const KeyStroke stroke{static_cast<int>(key), Down(VK_CONTROL), Down(VK_SHIFT), Down(VK_MENU)};
    const auto choose = [this](Command command) {
        core_.Choose(command);
        Render();
    };
    switch (core_.EditingKey(stroke, context)) {
        case KeyAction::None: return false;
        case KeyAction::Undo: choose(Command::EditUndo); break;
        case KeyAction::Redo: choose(Command::EditRedo); break;
        case KeyAction::Save: choose(Command::MenuSave); break;
        case KeyAction::DeleteInstruction: choose(Command::EditDel); break;
        case KeyAction::OpenEditorPanel: editorEvents_.OpenEditorPanelByKey(); break;
        case KeyAction::EditCaption:
            TreeView_EditLabel(controls_.infoTree, TreeView_GetSelection(controls_.infoTree));
            break;
        case KeyAction::CloseEditorPanel:
            core_.Handle(EditorPanelConfirmed{});
            Render();
            break;
        // The picker or the drag losing the mouse is a cancel: nothing is taken.
        case KeyAction::ReleaseMouse: ReleaseCapture(); break;
    }
    return true;
}

}  // namespace tavo
