#include "core/editor/editing_keys.h"

#include <gtest/gtest.h>

#include <ostream>

#include "case_names.h"

namespace tavo {
namespace {

constexpr KeyStroke kPlain(int key) { return {key, false, false, false}; }
constexpr KeyStroke kCtrl(int key) { return {key, true, false, false}; }
constexpr KeyStroke kShiftF10{vk::kF10, false, true, false};

constexpr KeyContext kTree{KeyPlace::Tree, false, false};
constexpr KeyContext kCaptionBox{KeyPlace::Tree, true, false};
constexpr KeyContext kPanel{KeyPlace::Panel, false, false};
constexpr KeyContext kPanelBox{KeyPlace::Panel, true, false};
constexpr KeyContext kSettingsBox{KeyPlace::Elsewhere, true, false};
constexpr KeyContext kToolbar{KeyPlace::Elsewhere, false, false};
constexpr KeyContext kPicking{KeyPlace::Panel, false, true};

// A Script loaded, the panel open; and the same while a run holds everything.
CommandState Editing() {
    CommandState c;
    c.menuFile = c.menuEdit = c.pictShown = c.treeEditable = true;
    c.EnableInstructionButtons(true);
    return c;
}
CommandState Running() {
    CommandState c;
    c.toolbar.stop = true;
    c.menuFile = c.menuEdit = c.treeEditable = false;
    return c;
}
CommandState PanelClosed() {
    CommandState c = Editing();
    c.pictShown = false;
    return c;
}

struct KeyCase {
    const char* name;
    KeyStroke stroke;
    KeyContext context;
    CommandState commands;
    KeyAction action;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.name; }

class EditingKeysTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(EditingKeysTest, ActOnlyWhereTheFocusAndTheCommandsAllow) {
    const KeyCase& c = GetParam();
    EXPECT_EQ(EditingKeyAction(c.stroke, c.context, c.commands), c.action);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EditingKeysTest,
    ::testing::Values(
        KeyCase{"ContextKeyInTheTreeOpensThePanel", kPlain(vk::kApps), kTree, PanelClosed(), KeyAction::OpenEditorPanel},
        KeyCase{"ShiftF10InTheTreeOpensThePanel", kShiftF10, kTree, PanelClosed(), KeyAction::OpenEditorPanel},
        KeyCase{"F10AloneIsTheMenuBars", kPlain(vk::kF10), kTree, PanelClosed(), KeyAction::None},
        KeyCase{"ContextKeyOnTheToolbarIsNotOurs", kPlain(vk::kApps), kToolbar, PanelClosed(), KeyAction::None},
        KeyCase{"F2InTheTreeEditsTheCaption", kPlain(vk::kF2), kTree, Editing(), KeyAction::EditCaption},
        KeyCase{"F2DuringARunDoesNothing", kPlain(vk::kF2), kTree, Running(), KeyAction::None},
        KeyCase{"DeleteInTheTreeDeletes", kPlain(vk::kDelete), kTree, Editing(), KeyAction::DeleteInstruction},
        KeyCase{"DeleteOnAPanelButtonDeletes", kPlain(vk::kDelete), kPanel, Editing(), KeyAction::DeleteInstruction},
        KeyCase{"DeleteInATextBoxIsTheBoxs", kPlain(vk::kDelete), kPanelBox, Editing(), KeyAction::None},
        KeyCase{"DeleteInTheCaptionBoxIsTheBoxs", kPlain(vk::kDelete), kCaptionBox, Editing(), KeyAction::None},
        KeyCase{"DeleteDuringARunDoesNothing", kPlain(vk::kDelete), kTree, Running(), KeyAction::None},
        KeyCase{"ShiftDeleteIsNotDelete", {vk::kDelete, false, true, false}, kTree, Editing(), KeyAction::None},
        KeyCase{"EscInATextBoxClosesThePanel", kPlain(vk::kEscape), kPanelBox, Editing(), KeyAction::CloseEditorPanel},
        KeyCase{"EscWithThePanelClosedIsTheTrees", kPlain(vk::kEscape), kTree, PanelClosed(), KeyAction::None},
        KeyCase{"EscInTheCaptionBoxCancelsTheEditOnly", kPlain(vk::kEscape), kCaptionBox, Editing(), KeyAction::None},
        KeyCase{"EscDuringAPickCancelsIt", kPlain(vk::kEscape), kPicking, Editing(), KeyAction::ReleaseMouse},
        KeyCase{"CtrlSInAPanelBoxSaves", kCtrl('S'), kPanelBox, Editing(), KeyAction::Save},
        KeyCase{"CtrlSInTheCaptionBoxWaitsForTheCaption", kCtrl('S'), kCaptionBox, Editing(), KeyAction::None},
        KeyCase{"CtrlSInTheSettingsIsNotOurs", kCtrl('S'), kSettingsBox, Editing(), KeyAction::None},
        KeyCase{"CtrlSDuringARunDoesNothing", kCtrl('S'), kTree, Running(), KeyAction::None},
        KeyCase{"CtrlZOnTheToolbarUndoes", kCtrl('Z'), kToolbar, Editing(), KeyAction::Undo},
        KeyCase{"CtrlZInATextBoxIsTheBoxs", kCtrl('Z'), kSettingsBox, Editing(), KeyAction::None},
        KeyCase{"CtrlYDuringAPickWaits", kCtrl('Y'), kPicking, Editing(), KeyAction::None},
        KeyCase{"CtrlYInTheTreeRedoes", kCtrl('Y'), kTree, Editing(), KeyAction::Redo}),
    case_names::ByName{});

}  // namespace
}  // namespace tavo
