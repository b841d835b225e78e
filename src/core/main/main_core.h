#pragma once
// The main window's core: the rooms composed, the user's events handed to the room that
// owns each, and what the window shows computed from the rooms' state.
#include <optional>
#include <string>
#include <vector>

#include "core/editor/editing_keys.h"
#include "core/main/main_rooms.h"
#include "core/main/user_events.h"
#include "core/main/view_model.h"

namespace tavo {

class MainCore {
public:
    // The rooms are the composition's; the window that makes them hands them over here
    // and reaches them no more.
    explicit MainCore(MainRooms& rooms) : rooms_(rooms) {}

    // Once, when the main window has been created.
    void Startup(const std::optional<std::string>& scriptArgument = std::nullopt) {
        rooms_.files.Startup(scriptArgument);
    }
    // The user closes the main window; false keeps it open. A close asked for during a
    // tick waits for the tick's end: the step under way finishes first.
    bool Closing();
    // Timer1's one-second tick. True when a close asked for during it is due now.
    [[nodiscard]] bool RunTick();

    void Choose(Command command);
    void Handle(const SettingsEvent& event);
    void Handle(const TreeEvent& event);
    void Handle(const EditorEvent& event);
    void Handle(const PickEvent& event);
    // Returns the main window's top to move to.
    int Handle(const PointPickEvent& event);
    // True when the layout changed.
    bool Handle(const SplitEvent& event);

    // What a key pressed in the main window does; None leaves it to the control. A
    // recording edits nothing else.
    KeyAction EditingKey(const KeyStroke& stroke, const KeyContext& context) const {
        return Recording() ? KeyAction::None : EditingKeyAction(stroke, context, rooms_.commands);
    }
    // What the point picker held would take at the screen point, for its magnifier.
    PickPreview PreviewPointPick(PickerKind picker, ScreenPoint pointer) const {
        return rooms_.picking.PreviewPointPick(picker, pointer, PickTargetNow());
    }
    // The user's input while recording, from the system's input hooks: noted at once, so
    // a click's picture is taken before the click reaches its window. True when it was
    // kept: the window then calls ApplyRecording from its own message loop, never inside
    // the hook, which must return quickly and cannot show a message.
    bool Note(const TargetInput& input);
    void ApplyRecording();
    bool Recording() const { return rooms_.recorder.Recording(); }

    // Whether an in-place caption edit may start on the node.
    bool MayEditCaption(const std::string& node) const { return rooms_.pointer.MayEditCaption(node); }
    // The target windows held now, in slot order.
    std::vector<WindowHandle> HeldWindows() const { return rooms_.run.Slots().HeldWindows(); }

    MainViewModel View() const;

private:
    PickTarget PickTargetNow() const {
        return {rooms_.run.FirstWindow(), rooms_.state.settings.FlashMode};
    }
    // What each event does, run by the public handlers as one recorded change.
    void ChooseChange(Command command);
    void HandleChange(const TreeEvent& event);
    void HandleChange(const EditorEvent& event);
    void HandleChange(const PickEvent& event);
    int HandleChange(const PointPickEvent& event);

    MainRooms& rooms_;
    bool closeAfterTick_ = false;
};

}  // namespace tavo
