#include "core/main/main_core.h"

#include <string>
#include <utility>

#include "core/runner/hot_key.h"

namespace tavo {
namespace {

template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

// The text field an editor event types into, with the Instruction it belongs to (empty
// for none): consecutive edits of one field of one Instruction are one step to undo.
std::string TypedField(const EditorEvent& event, const ScriptState& script) {
    const ScriptNode* node = script.CurrentNode();
    if (!node) return {};
    EditorBox box = EditorBox::lChar;  // the on-screen keyboard writes into lChar
    if (const auto* edited = std::get_if<EditorBoxEdited>(&event))
        box = edited->box;
    else if (!std::holds_alternative<KeyBoardKeyComposed>(event))
        return {};
    return std::to_string(static_cast<int>(box)) + " " + node->key;
}

}  // namespace

// A close ends a recording, whether or not the window then goes.
bool MainCore::Closing() {
    rooms_.recorder.Stop();
    if (rooms_.run.InTick()) {
        closeAfterTick_ = true;
        return false;
    }
    return rooms_.files.Closing();
}

bool MainCore::RunTick() {
    rooms_.run.RunTick();
    if (rooms_.run.InTick()) return false;  // deferred inside a tick, which answers itself
    return std::exchange(closeAfterTick_, false);
}

// A fresh Script (its state reset empties the history) and undo and redo themselves are
// no changes to record; any other command may change the Script, if only through the
// empty-Instruction question.
void MainCore::Choose(Command command) {
    MainRooms& r = rooms_;
    // While recording every other command is locked, whatever reaches here.
    if (r.recorder.Recording() && command != Command::CtrlRecord) return;
    switch (command) {
        case Command::MenuNew: r.files.NewScript(); break;
        case Command::MenuOpen: r.files.OpenScript(); break;
        case Command::MenuDel: r.files.DeleteScript(); break;
        case Command::EditUndo: r.undo.Undo(); break;
        case Command::EditRedo: r.undo.Redo(); break;
        default: r.undo.RecordChange({}, [&] { ChooseChange(command); }); break;
    }
}

void MainCore::ChooseChange(Command command) {
    MainRooms& r = rooms_;
    switch (command) {
        case Command::MenuSave: r.files.SaveScript(false); break;
        case Command::MenuSaveAs: r.files.SaveScript(true); break;
        case Command::MenuClear: r.files.ClearScript(); break;
        case Command::EditNew: r.editor.AddInstructionAfterGuard(); break;
        case Command::EditDel: r.editor.DeleteInstruction(); break;
        case Command::EditClear: r.fields.InitializeInstruction(); break;
        case Command::CtrlRun: r.run.StartRun(); break;
        case Command::CtrlStop: r.run.StopRun(); break;
        case Command::Setup: r.settings.ToggleSettings(); break;
        case Command::CtrlRecord:
            r.recorder.Toggle(r.run.FirstWindow(), r.state.settings.FlashMode);
            break;
        default: break;
    }
}

void MainCore::Handle(const SettingsEvent& event) {
    if (Recording()) return;
    SettingsPanel& s = rooms_.settings;
    std::visit(Overloaded{
                   [&](const SettingsBoxEdited& e) { s.EditSettingsBox(e.box, e.text); },
                   [&](const KeywordKeyReleased&) { s.KeywordKeyReleased(); },
                   [&](const WindowCountScrolled& e) { s.ScrollWindowCount(e.value); },
                   [&](const FlashWindowsChosen&) { s.ChooseFlashWindows(); },
                   [&](const OtherWindowsChosen&) { s.ChooseOtherWindows(); },
               },
               event);
}

void MainCore::Handle(const TreeEvent& event) {
    if (Recording()) return;
    rooms_.undo.RecordChange({}, [&] { HandleChange(event); });
}

void MainCore::HandleChange(const TreeEvent& event) {
    TreePointer& p = rooms_.pointer;
    std::visit(Overloaded{
                   [&](const TreePressed& e) { p.Pressed(e.node); },
                   [&](const TreeReleased& e) { p.Released(e.button, e.node, e.at, e.room); },
                   [&](const TreeSelectionMoved& e) { p.SelectionMoved(e.node, e.byKeyboard); },
                   [&](const EditorPanelKeyed& e) { p.OpenEditorPanelFromKey(e.at, e.room); },
                   [&](const CaptionEdited& e) { p.CaptionEdited(e.text); },
                   [&](const TreeFocusLost& e) { p.FocusLost(e.destination); },
                   [&](const TreeDraggedOver& e) { p.DragOver(e.node, e.insideTree); },
                   [&](const DroppedOnTree& e) { p.DropOnTree(e.node); },
                   [&](const DroppedOnDelOrder&) { p.DropOnDelOrder(); },
                   [&](const DroppedOnClear&) { p.DropOnClear(); },
                   [&](const DragEnded&) { p.DragEnded(); },
                   [&](const InsertAtTopLevel&) { rooms_.editor.SetInsertParent(kRootKey); },
               },
               event);
}

void MainCore::Handle(const EditorEvent& event) {
    if (Recording()) return;
    rooms_.undo.RecordChange(TypedField(event, rooms_.script), [&] { HandleChange(event); });
}

void MainCore::HandleChange(const EditorEvent& event) {
    FieldEditor& f = rooms_.fields;
    const WindowHandle first = rooms_.run.FirstWindow();
    std::visit(Overloaded{
                   [&](const EditorBoxEdited& e) {
                       switch (e.box) {
                           case EditorBox::lChar: f.CharChanged(e.text); break;
                           case EditorBox::lPause: f.PauseChanged(e.text); break;
                           case EditorBox::lDelay: f.DelayChanged(e.text); break;
                       }
                   },
                   [&](const CharEntered&) { f.CharEnter(first); },
                   [&](const KeyBoardOpened& e) { f.OpenKeyBoard(e.clientWidth, e.clientHeight); },
                   [&](const EditorPanelConfirmed&) { f.CloseEditorPanel(); },
                   [&](const InstructionMoved& e) { rooms_.editor.MoveInstruction(e.direction); },
                   [&](const InstructionButtonHeld& e) { rooms_.editor.SetButtonHeld(e.held); },
                   [&](const KeyBoardKeyComposed& e) { f.KeyEvent(e.key, first); },
                   [&](const KeyBoardFocusLost&) { f.KeyBoardFocusLost(); },
               },
               event);
}

void MainCore::Handle(const PickEvent& event) {
    if (Recording()) return;
    rooms_.undo.RecordChange({}, [&] { HandleChange(event); });
}

void MainCore::HandleChange(const PickEvent& event) {
    Picking& p = rooms_.picking;
    std::visit(Overloaded{
                   [&](const JumpPickBegun&) { p.BeginJumpPick(); },
                   [&](const JumpPickFinished& e) { p.FinishJumpPick(e.picker, e.node); },
                   [&](const JumpPickCancelled&) { p.CancelJumpPick(); },
                   [&](const OrientationChosen& e) { p.SelectOrientation(e.pad, e.square); },
               },
               event);
}

int MainCore::Handle(const PointPickEvent& event) {
    int top = 0;
    rooms_.undo.RecordChange({}, [&] { top = HandleChange(event); });
    return top;
}

int MainCore::HandleChange(const PointPickEvent& event) {
    Picking& p = rooms_.picking;
    const PickTarget target = PickTargetNow();
    return std::visit(
        Overloaded{
            [&](const PointPickBegun& e) { return p.BeginPointPick(e.picker, e.windowTop, e.windowHeight); },
            [&](const PointPickFinished& e) { return p.FinishPointPick(e.picker, e.release, target); },
            [&](const PointPickCancelled& e) { return p.CancelPointPick(e.picker); },
        },
        event);
}

bool MainCore::Handle(const SplitEvent& event) {
    Splitter& s = rooms_.splitter;
    return std::visit(Overloaded{
                          [&](const SplitPressed& e) { s.Press(e.x); return false; },
                          [&](const SplitMoved& e) { return s.Move(e.x); },
                          [&](const SplitReleased&) { s.Release(); return false; },
                      },
                      event);
}

bool MainCore::Note(const TargetInput& input) {
    Recorder& recorder = rooms_.recorder;
    // Tavo's own hot keys never reach the window in front.
    const auto hotKey = [](const TypedKey& k) {
        return IsRegisteredHotKey(static_cast<std::uint32_t>(k.virtualKey), k.ctrl, k.shift, k.alt);
    };
    return std::visit(Overloaded{
                          [&](const TargetPressed& e) { return recorder.NotePress(e.at); },
                          [&](const TargetKeyPressed& e) {
                              return !hotKey(e.key) && recorder.NoteKey(e.key, e.foreground);
                          },
                      },
                      input);
}

void MainCore::ApplyRecording() {
    rooms_.undo.RecordChange(rooms_.recorder.UndoName(), [&] { rooms_.recorder.ApplyPending(); });
}

MainViewModel MainCore::View() const {
    const MainRooms& r = rooms_;
    MainViewModel view;
    static_cast<CommandState&>(view) = r.commands;
    view.saveEnabled = r.script.Modified();
    view.undoEnabled = r.undo.CanUndo();
    view.redoEnabled = r.undo.CanRedo();
    view.split = r.splitter.Layout();
    view.pict = r.fields.View();
    view.keyBoard = r.fields.KeyBoard();
    view.label1 = r.run.Label1();
    view.settings = r.settings.Boxes();
    view.LabKey = r.editor.LabKey();
    view.dropHighlightKey = r.pointer.DropHighlight();
    view.focusTarget = r.focus.Target();
    view.focusSerial = r.focus.Serial();
    view.journal = r.journal.Text();
    view.tree = &r.script.Tree();
    const ScriptNode* current = r.script.CurrentNode();
    view.selectedKey = current ? current->key : std::string();
    view.selectionSerial = r.script.SelectionSerial();
    view.treeRevision = r.script.Tree().Revision();
    view.expandAllSerial = r.files.ExpandAllSerial();
    if (Recording()) {
        // Locked on top of the rooms' rules, which a tick may apply meanwhile. The focus
        // stays where the user types: Tavo taking it would take the keys from the window.
        Recorder::Lock(view);
        view.saveEnabled = view.undoEnabled = view.redoEnabled = false;
        view.recording = true;
        view.titleNote = kRecordingTitleNote;
        view.focusTarget = FocusTarget::None;
    }
    return view;
}

}  // namespace tavo
