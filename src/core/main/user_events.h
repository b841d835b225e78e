#pragma once
// What the user did in the main window, as the window reports it to MainCore: one event
// type per gesture, grouped by where it happened.
#include <optional>
#include <string>
#include <variant>

#include "core/capture/picking.h"
#include "core/editor/editor_geometry.h"
#include "core/editor/recorded_keys.h"
#include "core/editor/tree_editor.h"
#include "core/editor/tree_pointer.h"
#include "core/model/settings_panel.h"

namespace tavo {

// The menu items and toolbar buttons.
enum class Command {
    MenuNew, MenuOpen, MenuSave, MenuSaveAs, MenuClear, MenuDel,
    EditNew, EditDel, EditClear, EditUndo, EditRedo,
    CtrlRun, CtrlStop,
    Setup,
    CtrlRecord,
};

// The settings panel.
struct SettingsBoxEdited { SettingsBox box; std::string text; };
struct KeywordKeyReleased {};
struct WindowCountScrolled { int value; };
struct FlashWindowsChosen {};
struct OtherWindowsChosen {};
using SettingsEvent = std::variant<SettingsBoxEdited, KeywordKeyReleased, WindowCountScrolled,
                                   FlashWindowsChosen, OtherWindowsChosen>;

// The tree: `node` is the key of the node under the pointer, if any.
struct TreePressed { std::optional<std::string> node; };
struct TreeReleased {
    MouseButton button;
    std::optional<std::string> node;
    TwipsPoint at;  // relative to the tree
    PanelRoom room;
};
struct TreeSelectionMoved { std::string node; bool byKeyboard; };
// The context-menu key or Shift+F10 in the tree; `at`: the current node's place in it.
struct EditorPanelKeyed { TwipsPoint at; PanelRoom room; };
struct CaptionEdited { std::string text; };
struct TreeFocusLost { FocusDestination destination; };
struct TreeDraggedOver { std::optional<std::string> node; bool insideTree; };
struct DroppedOnTree { std::optional<std::string> node; };
struct DroppedOnDelOrder {};
struct DroppedOnClear {};
struct DragEnded {};
// The button "<" beside 父指令: new Instructions go to the top level again.
struct InsertAtTopLevel {};
using TreeEvent = std::variant<TreePressed, TreeReleased, TreeSelectionMoved, EditorPanelKeyed,
                               CaptionEdited, TreeFocusLost, TreeDraggedOver, DroppedOnTree,
                               DroppedOnDelOrder, DroppedOnClear, DragEnded, InsertAtTopLevel>;

// The Instruction editor panel and the on-screen keyboard.
enum class EditorBox { lChar, lPause, lDelay };
struct EditorBoxEdited { EditorBox box; std::string text; };
struct CharEntered {};
struct KeyBoardOpened { int clientWidth; int clientHeight; };  // twips
struct EditorPanelConfirmed {};
struct InstructionMoved { MoveDirection direction; };
struct InstructionButtonHeld { bool held; };
struct KeyBoardKeyComposed { std::string key; };
struct KeyBoardFocusLost {};
using EditorEvent = std::variant<EditorBoxEdited, CharEntered, KeyBoardOpened, EditorPanelConfirmed,
                                 InstructionMoved, InstructionButtonHeld, KeyBoardKeyComposed,
                                 KeyBoardFocusLost>;

// The pickers and the orientation pads. A point pick's events answer with the main
// window's top (screen pixels) to move to.
struct PointPickBegun { PickerKind picker; int windowTop; int windowHeight; };
struct PointPickFinished { PickerKind picker; ScreenPoint release; };
struct PointPickCancelled { PickerKind picker; };
using PointPickEvent = std::variant<PointPickBegun, PointPickFinished, PointPickCancelled>;
struct JumpPickBegun {};
struct JumpPickFinished { PickerKind picker; std::optional<std::string> node; };
struct JumpPickCancelled {};
struct OrientationChosen { PadKind pad; int square; };
using PickEvent = std::variant<JumpPickBegun, JumpPickFinished, JumpPickCancelled, OrientationChosen>;

// The user's input in other programs while recording, as the system's input hooks see
// it: a left button pressed at a screen point, a key pressed with the window in front.
struct TargetPressed { ScreenPoint at; };
struct TargetKeyPressed { TypedKey key; WindowHandle foreground; };
using TargetInput = std::variant<TargetPressed, TargetKeyPressed>;

// The bar between the tree and the log (client x in twips).
struct SplitPressed { int x; };
struct SplitMoved { int x; };
struct SplitReleased {};
using SplitEvent = std::variant<SplitPressed, SplitMoved, SplitReleased>;

}  // namespace tavo
