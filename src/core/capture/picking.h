#pragma once
// Pointing instead of typing: the click and recognition pickers (a point in the first
// target window, under the Instruction's orientation, and for recognition its picture),
// the jump pickers dropped on the tree, and the orientation pads.
#include <optional>
#include <string>

#include "core/editor/editor_host.h"
#include "core/editor/field_editor.h"
#include "core/model/script_state.h"
#include "core/runner/picture_buffer.h"
#include "platform/clock.h"
#include "platform/event_pump.h"
#include "platform/window_capture.h"
#include "platform/window_queries.h"

namespace tavo {

enum class PickerKind { Recognition, Click, SuccessJump, FailureJump };
enum class PadKind { Recognition, Click };

// Where the pointer goes while the picture is taken: off every window.
inline constexpr ScreenPoint kPointerAside{-100, -100};
inline constexpr int kRepaintWaitMs = 100;

// One saved top serves every picker: the main window's while a point is picked, the
// editor panel's while a jump is.
class SavedTop {
public:
    // The top that hides the window above its place; a window a lost release left hidden
    // (its top negative) goes back to the saved top instead.
    int Hide(int top, int height) {
        if (top < 0) return saved_;
        saved_ = top;
        return -height;
    }
    int Saved() const { return saved_; }

private:
    int saved_ = 0;
};

struct PickServices {
    WindowQueries& windows;
    WindowCapture& capture;
    Clock& clock;
    EventPump& pump;
    PictureBuffer& pimage;
};

class Picking {
public:
    Picking(ScriptState& script, FieldEditor& fields, EditorHost& host, const PickServices& services)
        : script_(script), fields_(fields), host_(host), services_(services) {}

    // A point picker is pressed: the main window (top and height in screen pixels) is to
    // go to the top returned. A jump picker hides the editor panel itself.
    int BeginPointPick(PickerKind picker, int windowTop, int windowHeight);
    void BeginJumpPick();
    // Released at a screen point; returns the main window's top to go back to.
    int FinishPointPick(PickerKind picker, ScreenPoint release);
    // Released over the tree's node `node` (none: beside the nodes).
    void FinishJumpPick(PickerKind picker, const std::optional<std::string>& node);
    // A click on square 0..4 of a pad (5: the pad's background).
    void SelectOrientation(PadKind pad, int square);

private:
    std::optional<ScreenPoint> InFirstWindow(ScreenPoint release) const;
    void TakePicture(ScreenPoint client, ScreenPoint release);

    ScriptState& script_;
    FieldEditor& fields_;
    EditorHost& host_;
    PickServices services_;
    SavedTop top_;
};

}  // namespace tavo
