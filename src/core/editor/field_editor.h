#pragma once
// The Instruction editor panel's rules: it loads the current Instruction into the panel's
// boxes, checks every change of a box and stores what it accepts at once, and runs the
// panel's keyboard button and the on-screen keyboard's keys.
#include <string>

#include "core/editor/editor_geometry.h"
#include "core/editor/focus_request.h"
#include "core/editor/editor_panel_view.h"
#include "core/model/command_state.h"
#include "core/model/room_ports.h"
#include "core/model/script_state.h"
#include "core/acting/key_sender.h"
#include "platform/code_page.h"
#include "platform/message_boxes.h"

namespace tavo {

inline constexpr int kCharBytes = 50;           // lChar's limit in code page 936
inline constexpr int kNumberBoxLength = 4;      // lPause and lDelay
inline constexpr int kKeyBoardTopAfterKey = 7500;

class FieldEditor {
public:
    FieldEditor(ScriptState& script, CommandState& commands, FocusRequest& focus,
                RunButtons& runButtons, MessageBoxes& messages, CodePage936& codePage,
                KeySender& keys)
        : script_(script), commands_(commands), focus_(focus), runButtons_(runButtons),
          messages_(messages), codePage_(codePage), keys_(keys) {}

    // With true, loads the current Instruction into the boxes and shows the panel.
    void ShowEditorPanel(bool show);
    bool Shown() const { return commands_.pictShown; }
    // Opened from the keyboard: the focus goes to the panel's first box.
    void FocusPanel() {
        if (Shown()) focus_.Request(FocusTarget::lChar);
    }
    void MoveTo(TwipsPoint topLeft);

    // A box's text changed; each runs the box's rule when the text differs from the box's.
    // A closed panel shows no Instruction, so what reaches its boxes then edits none.
    void CharChanged(const std::string& text) {
        if (Shown()) SetChar(text);
    }
    void PauseChanged(const std::string& text) {
        if (Shown()) SetNumber(Box::Pause, text);
    }
    void DelayChanged(const std::string& text) {
        if (Shown()) SetNumber(Box::Delay, text);
    }
    // Enter in lChar: sends the text to the first target window (0: none) at once, then
    // closes.
    void CharEnter(WindowHandle firstWindow);
    // Comm5 "确定": closes the panel and gives the tree the focus.
    void CloseEditorPanel();
    // Comm3: opens the keyboard near the panel within the client area (twips).
    void OpenKeyBoard(int clientWidth, int clientHeight);
    // The keyboard composed `key`: appended to lChar as a key command and sent at once.
    void KeyEvent(const std::string& key, WindowHandle firstWindow);
    void KeyBoardFocusLost() { keyboard_.shown = false; }
    // "要清除已有信息吗?": on Yes the current Instruction is cleared (初始, the Edit menu).
    void InitializeInstruction();

    // What the pickers change on the panel.
    void ShowPickerImages(int comm2Image, int comm4Image) {
        view_.comm2Image = comm2Image;
        view_.comm4Image = comm4Image;
    }
    void ShowJumps();
    void ShowSquares();
    void SetPanelTop(int top) { view_.top = top; }

    EditorPanelView View() const;
    const KeyBoardView& KeyBoard() const { return keyboard_; }

private:
    enum class Box { Pause, Delay };

    void SetChar(const std::string& text);
    void CharRule();
    void SetNumber(Box box, const std::string& text);
    void NumberRule(Box box);
    std::string& BoxText(Box box) { return box == Box::Pause ? view_.lPause : view_.lDelay; }
    std::int16_t& Field(Box box);
    std::string JumpCaption(const std::string& key) const;
    void SendCharNow(WindowHandle firstWindow);

    ScriptState& script_;
    CommandState& commands_;
    FocusRequest& focus_;
    RunButtons& runButtons_;
    MessageBoxes& messages_;
    CodePage936& codePage_;
    KeySender& keys_;
    EditorPanelView view_;
    KeyBoardView keyboard_;
};

}  // namespace tavo
