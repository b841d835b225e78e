#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "case_names.h"
#include "core/model/script_file.h"
#include "main_fixture.h"

namespace tavo {
namespace {

using testing::kFolder;
using testing::NodePlan;

constexpr PanelRoom kRoom{450, 6720, 7020, 9870, 7800};
constexpr ScreenPoint kClient{560, 240};  // where the target window's client area starts
const std::string kPattern = "000111000111000111000111000111000111";

// What undo puts back, as the window and the file would show it.
struct Shown {
    TreeImage tree;
    std::string current;
    Instruction instruction;
    bool modified = false;
    std::string label;  // the insertion parent's

    bool operator==(const Shown&) const = default;
    friend void PrintTo(const Shown& s, std::ostream* out) {
        *out << "current " << s.current << (s.modified ? " modified" : "") << ", label " << s.label
             << ", tag " << BuildTag(s.instruction) << ", tree";
        for (const NodeImage& n : s.tree)
            *out << " " << n.key << "<" << n.parentKey << ">#" << n.index << ":" << n.icon << " "
                 << n.caption << " [" << n.tag << "]";
    }
};

// The Script loaded from its file, a target window held: every change is possible.
class UndoTest : public testing::MainTest {
public:
    UndoTest() {
        registry.values = {{"FileName", "farm"}};
        original = ScriptBytes({{"L1", ""}, {"L2", ""}, {"L3", "L2"}, {"L4", ""}});
        files.files[Path()] = original;
        main.Startup();
        windows.Add(7, kClient.x, kClient.y, 800, 600, "MozillaWindowClass",
                    "farm");  // the keyword's
        main.RunTick();
        capture.printed = Picture(800, 600, 0x808080);
    }
    std::string ScriptBytes(const std::vector<NodePlan>& plans) {
        ScriptState script;
        testing::BuildScript(script, plans);
        return BuildScriptFile(*codePage, {"farm"}, PlanSave(script.Tree()).nodes);
    }
    static std::string Path() { return std::string(kFolder) + "farm.gmx"; }

    Shown Now() const {
        const MainViewModel v = View();
        return {main.Script().Tree().Image(), v.selectedKey, main.Script().Current(), v.saveEnabled,
                v.LabKey};
    }
    void Click(MouseButton button, const std::string& key) {
        main.Handle(TreePressed{key});
        main.Handle(TreeReleased{button, key, {300, 300}, kRoom});
    }
    void Select(const std::string& key) { Click(MouseButton::Left, key); }
    void OpenPanel(const std::string& key) { Click(MouseButton::Right, key); }
    void Drag(const std::string& key, const TreeEvent& drop) {
        main.Handle(TreePressed{key});
        main.Handle(TreeDraggedOver{key, true});
        main.Handle(drop);
        main.Handle(DragEnded{});
    }
    void Type(EditorBox box, const std::string& text) { main.Handle(EditorBoxEdited{box, text}); }
    void Pick(PickerKind picker, int x, int y) {
        main.Handle(PointPickBegun{picker, 0, 500});
        main.Handle(PointPickFinished{picker, {kClient.x + x, kClient.y + y}});
    }
    // A 12 × 12 pattern with contrast enough, centred on client point (x, y).
    void PaintPattern(int x, int y) {
        for (int i = 0; i < 6; ++i)
            for (int j = 0; j < 6; ++j)
                capture.printed.Set(
                    x - 6 + 2 * i, y - 6 + 2 * j,
                    kPattern[static_cast<std::size_t>(i * 6 + j)] == '0' ? 0x0A0A0A : 0xC8C8C8);
    }
    void Move(MoveDirection direction) { main.Handle(InstructionMoved{direction}); }
    template <class Event>
    void Handle(const Event& event) {
        main.Handle(event);
    }
    void Undo() { main.Choose(Command::EditUndo); }
    void Redo() { main.Choose(Command::EditRedo); }
    void Choose(Command command) { main.Choose(command); }
    std::string Caption(const std::string& key) const {
        return main.Script().Tree().Find(key)->caption;
    }

    std::string original;
};

struct ChangeCase {
    const char* name;
    std::function<void(UndoTest&)> prepare;  // selects and opens: no change of its own
    std::function<void(UndoTest&)> change;
    friend void PrintTo(const ChangeCase& c, std::ostream* out) { *out << c.name; }
};

class EachChangeTest : public UndoTest, public ::testing::WithParamInterface<ChangeCase> {};

TEST_P(EachChangeTest, UndoRestoresTheStateBeforeAndRedoTheStateAfter) {
    messages.answers = {MessageAnswer::Yes};  // 初始 asks first
    if (GetParam().prepare) GetParam().prepare(*this);
    const Shown before = Now();
    ASSERT_FALSE(View().undoEnabled);
    GetParam().change(*this);
    const Shown after = Now();
    ASSERT_NE(after.tree, before.tree);
    EXPECT_TRUE(View().undoEnabled);

    Undo();
    EXPECT_EQ(Now(), before);
    EXPECT_FALSE(View().undoEnabled);
    EXPECT_TRUE(View().redoEnabled);
    Redo();
    EXPECT_EQ(Now(), after);
    EXPECT_FALSE(View().redoEnabled);
    Undo();
    Choose(Command::MenuSave);
    EXPECT_EQ(files.files[Path()], original);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EachChangeTest,
    ::testing::Values(
        ChangeCase{"add", nullptr, [](UndoTest& u) { u.Choose(Command::EditNew); }},
        ChangeCase{"delete", [](UndoTest& u) { u.Select("L4"); },
                   [](UndoTest& u) { u.Choose(Command::EditDel); }},
        ChangeCase{"move up", [](UndoTest& u) { u.Select("L4"); },
                   [](UndoTest& u) { u.Move(MoveDirection::Up); }},
        ChangeCase{"move down", nullptr, [](UndoTest& u) { u.Move(MoveDirection::Down); }},
        ChangeCase{"move up a level", [](UndoTest& u) { u.Select("L3"); },
                   [](UndoTest& u) { u.Move(MoveDirection::UpLevel); }},
        ChangeCase{"move under the previous", [](UndoTest& u) { u.Select("L4"); },
                   [](UndoTest& u) { u.Move(MoveDirection::ChildOfPrevious); }},
        ChangeCase{"drag onto another", nullptr,
                   [](UndoTest& u) { u.Drag("L4", DroppedOnTree{"L1"}); }},
        ChangeCase{"drag beside the nodes", nullptr,
                   [](UndoTest& u) { u.Drag("L3", DroppedOnTree{std::nullopt}); }},
        ChangeCase{"drop on DelOrder", nullptr,
                   [](UndoTest& u) { u.Drag("L4", DroppedOnDelOrder{}); }},
        ChangeCase{"drop on Clear", [](UndoTest& u) { u.Select("L4"); },
                   [](UndoTest& u) { u.Drag("L4", DroppedOnClear{}); }},
        ChangeCase{"caption edit", [](UndoTest& u) { u.Select("L4"); },
                   [](UndoTest& u) { u.Handle(CaptionEdited{"renamed"}); }},
        ChangeCase{"text edit", [](UndoTest& u) { u.OpenPanel("L4"); },
                   [](UndoTest& u) { u.Type(EditorBox::lChar, "typed"); }},
        ChangeCase{"pause edit", [](UndoTest& u) { u.OpenPanel("L4"); },
                   [](UndoTest& u) { u.Type(EditorBox::lPause, "12"); }},
        ChangeCase{"click pick", [](UndoTest& u) { u.OpenPanel("L4"); },
                   [](UndoTest& u) { u.Pick(PickerKind::Click, 100, 50); }},
        ChangeCase{"recognition pick", [](UndoTest& u) { u.OpenPanel("L4"); },
                   [](UndoTest& u) {
                       u.PaintPattern(100, 50);
                       u.Pick(PickerKind::Recognition, 100, 50);
                   }},
        ChangeCase{"jump pick", [](UndoTest& u) { u.OpenPanel("L4"); },
                   [](UndoTest& u) {
                       u.Handle(JumpPickBegun{});
                       u.Handle(JumpPickFinished{PickerKind::SuccessJump, "L1"});
                   }},
        ChangeCase{"orientation", [](UndoTest& u) { u.OpenPanel("L4"); },
                   [](UndoTest& u) {
                       u.Handle(OrientationChosen{PadKind::Click, 2});
                   }},
        ChangeCase{"Clear Script", nullptr, [](UndoTest& u) { u.Choose(Command::MenuClear); }}),
    case_names::ByName{});

TEST_F(UndoTest, EditsOfOneFieldInARowAreOneStepAndAnotherFieldIsAnother) {
    OpenPanel("L4");
    const Shown before = Now();
    for (const char* text : {"h", "hi", "hi!"}) Type(EditorBox::lChar, text);
    Type(EditorBox::lPause, "3");
    Type(EditorBox::lPause, "30");
    Type(EditorBox::lChar, "hi!?");
    Undo();
    EXPECT_EQ(TrimSpaces(main.Script().Current().pChar), "hi!");
    EXPECT_EQ(main.Script().Current().pPause, 30);
    Undo();
    EXPECT_EQ(main.Script().Current().pPause, 0);
    Undo();
    EXPECT_EQ(Now(), before);
    EXPECT_FALSE(View().undoEnabled);
}

TEST_F(UndoTest, WhatChangesNothingRecordsNoStep) {
    messages.answers = {MessageAnswer::No};
    Select("L2");
    OpenPanel("L4");
    Type(EditorBox::lChar, "x ");  // trimmed to what L4 holds
    main.Handle(EditorPanelConfirmed{});
    Select("L1");
    Move(MoveDirection::Up);          // nowhere to go
    Drag("L2", DroppedOnTree{"L3"});  // into its own subtree: refused
    Choose(Command::EditClear);       // answered No
    main.Handle(CaptionEdited{"CaptionL1"});
    EXPECT_FALSE(View().undoEnabled);
}

TEST_F(UndoTest, DeletingTheLastInstructionIsUndoneDespiteItsStateReset) {
    for (const char* key : {"L3", "L1", "L2", "L4"}) {
        Select(key);
        Choose(Command::EditDel);
    }
    ASSERT_TRUE(main.Script().Tree().Empty());
    EXPECT_TRUE(View().undoEnabled);
    for (int i = 0; i < 4; ++i) Undo();
    EXPECT_EQ(View().selectedKey, "L3");
    EXPECT_FALSE(View().saveEnabled);
    EXPECT_TRUE(View().delOrderEnabled && View().clearEnabled);
    Choose(Command::MenuSave);
    EXPECT_EQ(files.files[Path()], original);
}

TEST_F(UndoTest, UndoingBackToTheSavedStateClearsModifiedAndRedoingAwaySetsIt) {
    Select("L1");
    main.Handle(CaptionEdited{"one"});
    Choose(Command::MenuSave);
    const std::string saved = files.files[Path()];
    main.Handle(CaptionEdited{"two"});
    Undo();
    EXPECT_FALSE(View().saveEnabled);
    Undo();
    EXPECT_TRUE(View().saveEnabled);  // the file holds "one" now
    EXPECT_EQ(Caption("L1"), "CaptionL1");
    Redo();
    EXPECT_FALSE(View().saveEnabled);
    Redo();
    EXPECT_TRUE(View().saveEnabled);
    Undo();
    Choose(Command::MenuSave);
    EXPECT_EQ(files.files[Path()], saved);
}

TEST_F(UndoTest, ASettingChangedMeanwhileKeepsTheScriptModified) {
    Select("L1");
    main.Handle(CaptionEdited{"one"});
    main.Handle(SettingsBoxEdited{SettingsBox::Width_txt, "500"});
    Undo();
    EXPECT_EQ(Caption("L1"), "CaptionL1");
    EXPECT_TRUE(View().saveEnabled);  // the file's width is not the box's
}

struct FreshCase {
    const char* name;
    std::function<void(UndoTest&)> start;
    friend void PrintTo(const FreshCase& c, std::ostream* out) { *out << c.name; }
};

class FreshScriptTest : public UndoTest, public ::testing::WithParamInterface<FreshCase> {};

TEST_P(FreshScriptTest, EmptiesTheHistory) {
    Select("L4");
    Choose(Command::EditDel);
    Select("L1");
    main.Handle(CaptionEdited{"one"});
    Undo();
    ASSERT_TRUE(View().undoEnabled && View().redoEnabled);
    messages.answers = {MessageAnswer::Yes};
    dialogs.answers = {{Path()}};
    GetParam().start(*this);
    EXPECT_FALSE(View().undoEnabled || View().redoEnabled);
    const TreeImage fresh = main.Script().Tree().Image();
    Undo();
    EXPECT_EQ(main.Script().Tree().Image(), fresh);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FreshScriptTest,
    ::testing::Values(FreshCase{"New", [](UndoTest& u) { u.Choose(Command::MenuNew); }},
                      FreshCase{"Open", [](UndoTest& u) { u.Choose(Command::MenuOpen); }},
                      FreshCase{"Delete Script", [](UndoTest& u) { u.Choose(Command::MenuDel); }},
                      FreshCase{"another keyword",
                                [](UndoTest& u) {
                                    u.Handle(SettingsBoxEdited{SettingsBox::Name_txt, "game"});
                                }},
                      FreshCase{"another window kind",
                                [](UndoTest& u) { u.Handle(OtherWindowsChosen{}); }}),
    case_names::ByName{});

TEST_F(UndoTest, UnavailableDuringARun) {
    Select("L4");
    Choose(Command::EditDel);
    Choose(Command::CtrlRun);
    ASSERT_TRUE(main.Running());
    EXPECT_FALSE(View().undoEnabled);
    Undo();
    EXPECT_EQ(main.Script().Tree().Find("L4"), nullptr);
    Choose(Command::CtrlStop);
    EXPECT_TRUE(View().undoEnabled);
    Undo();
    EXPECT_NE(main.Script().Tree().Find("L4"), nullptr);
}

TEST_F(UndoTest, UndoClosesTheEditorPanelAndPutsBackTheInsertionParent) {
    OpenPanel("L2");
    PaintPattern(100, 50);
    Pick(PickerKind::Recognition, 100, 50);
    Select("L2");  // a picture Instruction: the next new one goes under it
    ASSERT_EQ(View().LabKey, "CaptionL2");
    Choose(Command::EditNew);
    EXPECT_EQ(View().LabKey, kRootKey);
    OpenPanel("L5");
    Type(EditorBox::lChar, "new");
    Undo();
    EXPECT_FALSE(View().pict.shown);
    Undo();
    EXPECT_EQ(View().LabKey, "CaptionL2");
    EXPECT_EQ(main.Script().Tree().Find("L5"), nullptr);
    Choose(Command::EditNew);
    EXPECT_EQ(main.Script().Tree().Find("L5")->parent, main.Script().Tree().Find("L2"));
}

}  // namespace
}  // namespace tavo
