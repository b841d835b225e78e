#pragma once
// Recording: each left click the user makes in the first held target window becomes a
// top-level Instruction after the existing ones, with its point and, where the block at
// the point has contrast, that block as its picture; the keys typed into the window
// after a click become that Instruction's text, and the time to the next click its pause.
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "core/acting/picture_buffer.h"
#include "core/acting/recognition.h"
#include "core/editor/field_editor.h"
#include "core/editor/recorded_keys.h"
#include "core/editor/tree_editor.h"
#include "core/model/command_state.h"
#include "core/model/room_ports.h"
#include "core/model/script_state.h"
#include "platform/clock.h"
#include "platform/code_page.h"
#include "platform/message_boxes.h"
#include "platform/window_capture.h"
#include "platform/window_queries.h"

namespace tavo {

// After the main window's title while recording.
inline constexpr const char* kRecordingTitleNote = " - 录制中 (Ctrl+F3 结束)";

struct RecorderServices {
    ScriptState& script;
    CommandState& commands;
    WindowQueries& windows;
    WindowCapture& capture;
    Clock& clock;
    MessageBoxes& messages;  // the beep of text that does not fit pChar
    CodePage936& codePage;
    PictureBuffer& pimage;  // shows the block a click took
    RunButtons& runButtons;
};

class Recorder {
public:
    Recorder(const RecorderServices& services, TreeEditor& editor, FieldEditor& fields)
        : s_(services), editor_(editor), fields_(fields) {}

    bool Recording() const { return recording_; }
    // 控制 → 录制 and Ctrl+F3: starts recording in `first`, the first held target window,
    // or ends it. Starting is the menu's rule: 控制 available, no run.
    void Toggle(WindowHandle first, bool flashMode);
    void Stop();

    // Called in the system's input hooks, before the input reaches its window, so a
    // click's picture is the window as the user saw it. True when the input was kept for
    // ApplyPending.
    bool NotePress(ScreenPoint at);
    bool NoteKey(const TypedKey& key, WindowHandle foreground);
    // What was kept, into the Script.
    void ApplyPending();

    // Every application of one recording is recorded under this name, so undo takes the
    // whole recording back in one step.
    const std::string& UndoName() const { return undoName_; }
    // While recording only 控制 → 录制 is available.
    static void Lock(CommandState& commands);

private:
    struct Click {
        std::int64_t atMs = 0;
        ClientPoint stored;
        int base = kCentre;
        std::string picture;  // empty: the block had no contrast
    };
    using Noted = std::variant<Click, std::string>;  // a click or a piece of text

    bool TypedInto(WindowHandle foreground) const;
    void ApplyClick(const Click& click);
    void ApplyPiece(const std::string& piece);
    bool Fits(const std::string& text);
    ScriptNode* Last() const;
    void Select(ScriptNode* node);

    RecorderServices s_;
    TreeEditor& editor_;
    FieldEditor& fields_;
    bool recording_ = false;
    WindowHandle target_ = 0;
    bool flashMode_ = false;
    std::uint64_t recordings_ = 0;
    std::string undoName_;
    std::vector<Noted> pending_;
    bool clicked_ = false;  // a click was noted since the recording started
    // The Instruction of the last click (empty before the first), its time and the text
    // typed since.
    std::string lastKey_;
    std::int64_t lastClickMs_ = 0;
    std::vector<std::string> pieces_;
};

}  // namespace tavo
