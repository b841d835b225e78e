#pragma once
// Pointing instead of typing: the click and recognition pickers (a point in the first
// target window, under the Instruction's orientation, and for recognition its picture),
// the jump pickers dropped on the tree, and the orientation pads.
#include <cstdint>
#include <optional>
#include <string>

#include "core/capture/pick_preview.h"
#include "core/capture/picker_panel.h"
#include "core/model/run_log.h"
#include "core/model/script_state.h"
#include "core/acting/picture_buffer.h"
#include "core/acting/recognition.h"
#include "platform/clock.h"
#include "platform/event_pump.h"
#include "platform/message_boxes.h"
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
    MessageBoxes& messages;  // the beep of a refused pick
    Journal& journal;        // the line of a refused pick
};

// The window a pick is taken in: the first held target window (0: none), and whether
// only plug-in windows are targets (no screen copy for a black drawing).
struct PickTarget {
    WindowHandle window = 0;
    bool flashMode = false;
};

class Picking {
public:
    Picking(ScriptState& script, PickerPanel& panel, const PickServices& services)
        : script_(script), panel_(panel), services_(services) {}

    // A point picker is pressed: the main window (top and height in screen pixels) is to
    // go to the top returned. A jump picker hides the editor panel itself.
    int BeginPointPick(PickerKind picker, int windowTop, int windowHeight);
    void BeginJumpPick();
    // What the point picker would take with the pointer at `pointer`, as it is held.
    PickPreview PreviewPointPick(PickerKind picker, ScreenPoint pointer, PickTarget target) const;
    // Released at a screen point; returns the main window's top to go back to. A point
    // on the orientation's reference point is refused: it would store (0, 0). A refused
    // pick says why in the run log.
    int FinishPointPick(PickerKind picker, ScreenPoint release, PickTarget target);
    // Released over the tree's node `node` (none: beside the nodes).
    void FinishJumpPick(PickerKind picker, const std::optional<std::string>& node);
    // The picker lost the mouse before its release (a message box, another program): the
    // pick ends with nothing picked and nothing stored. A point pick returns the main
    // window's top to go back to.
    int CancelPointPick(PickerKind picker);
    void CancelJumpPick();
    // A click on square 0..4 of a pad (5: the pad's background).
    void SelectOrientation(PadKind pad, int square);

private:
    std::optional<ScreenPoint> InWindow(ScreenPoint release, WindowHandle window) const;
    // The picked point as it would be stored under `base`.
    ClientPoint StoredPoint(ScreenPoint client, int base, WindowHandle window) const;
    // Whether the point may be stored; a refusal is said with a beep and a log line.
    bool AcceptPoint(ClientPoint stored);
    void LogRefusal(PickRefusal refusal);
    void TakePicture(ScreenPoint client, ScreenPoint release, PickTarget target);
    // The recognition point and picker image as they were before the press.
    void PutBackRecognitionPoint();

    ScriptState& script_;
    PickerPanel& panel_;
    PickServices services_;
    SavedTop top_;
    // What a recognition press reset, to put back when the pick stores nothing.
    struct {
        std::int16_t x = 0, y = 0;
        bool pickerSet = false;
    } beforePress_;
};

}  // namespace tavo
