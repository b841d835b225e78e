#include <gtest/gtest.h>

#include <ostream>

#include "case_names.h"
#include "editor_fixture.h"

namespace tavo {
namespace {

using testing::NodePlan;

constexpr PanelRoom kRoom{450, 6720, 7020, 9870, 7800};

class TreePointerTest : public testing::EditorTest {
protected:
    void Click(MouseButton button, const std::string& key, TwipsPoint at = {300, 300}) {
        pointer.Pressed(key);
        pointer.Released(button, key, at, kRoom);
    }
};

TEST_F(TreePointerTest, AnEmptyCurrentInstructionCannotBeLeftByClickingAnotherNode) {
    Build({{"L1", ""}, {"L2", "", 0, "", "", ""}}, "L2");
    const std::uint64_t serial = script.SelectionSerial();
    Click(MouseButton::Left, "L1");
    Click(MouseButton::Right, "L1");
    EXPECT_EQ(CurrentKey(), "L2");
    EXPECT_EQ(script.SelectionSerial(), serial + 2);  // the tree shows L2 selected again
    EXPECT_FALSE(fields.Shown());

    // Another node that shares the caption is still another node; the empty one itself
    // can always be opened.
    script.Tree().SetCaption(script.Tree().Find("L1"), "CaptionL2");
    Click(MouseButton::Right, "L1");
    EXPECT_EQ(CurrentKey(), "L2");
    EXPECT_FALSE(fields.Shown());
    Click(MouseButton::Right, "L2");
    EXPECT_TRUE(fields.Shown());
}

TEST_F(TreePointerTest, ALeftClickOrAnArrowKeyOnAPictureInstructionMakesItTheInsertionParent) {
    Build({{"L1", ""}, {"L2", ""}});
    Instruction withPicture = testing::InstructionFor({"L2", ""});
    withPicture.pPicture = FixWidth("0101", kPictureWidth);
    script.Tree().SetTag(script.Tree().Find("L2"), BuildTag(withPicture));
    script.Tree().SetCaption(script.Tree().Find("L2"), "picture");

    Click(MouseButton::Left, "L1");
    EXPECT_EQ(editor.InsertParentKey(), kRootKey);
    // Moved there by another program: no insertion parent; by the arrow keys: a click.
    pointer.SelectionMoved("L2", false);
    EXPECT_EQ(CurrentKey(), "L2");
    EXPECT_EQ(editor.InsertParentKey(), kRootKey);
    pointer.SelectionMoved("L1", true);
    pointer.SelectionMoved("L2", true);
    EXPECT_EQ(editor.InsertParentKey(), "L2");
    Click(MouseButton::Left, "L1");
    Click(MouseButton::Left, "L2");
    EXPECT_EQ(CurrentKey(), "L2");
    EXPECT_EQ(editor.InsertParentKey(), "L2");
    EXPECT_EQ(editor.LabKey(), "picture");
    editor.AddInstruction();
    EXPECT_EQ(Shape(), "L1:1 L2:2[L3:1]");
}

struct PanelCase {
    const char* name;
    TwipsPoint at;
    TwipsPoint panel;
};

void PrintTo(const PanelCase& c, std::ostream* os) { *os << c.name; }

class PanelPlacementTest : public ::testing::TestWithParam<PanelCase> {};

TEST_P(PanelPlacementTest, OpensAtThePointerWithinTheTreeAndTheWindow) {
    EXPECT_EQ(PlaceEditorPanel(GetParam().at, kRoom), GetParam().panel);
}

// The tree at the splitter's lower limit (2000 twips) is narrower than the panel.
constexpr PanelRoom kNarrowTree{450, 2000, 7020, 9870, 7800};

TEST(PanelPlacement, ANarrowTreeStillOpensThePanelInsideTheWindow) {
    EXPECT_EQ(PlaceEditorPanel({1500, 600}, kNarrowTree), (TwipsPoint{0, 1430}));
    // Below the pointer it fits the tree, but not the window under the tree's top.
    EXPECT_EQ(PlaceEditorPanel({300, 4000}, {450, 6720, 7200, 9870, 7800}), (TwipsPoint{300, 7800 - 3060}));
}

INSTANTIATE_TEST_SUITE_P(Table, PanelPlacementTest,
                         ::testing::Values(PanelCase{"BelowThePointer", {300, 600}, {300, 1430}},
                                           PanelCase{"KeptLeftOfTheTreesRightEdge", {6000, 600}, {6720 - 3795, 1430}},
                                           PanelCase{"LastPointWithRoomBelow", {300, 3870}, {300, 4700}},
                                           PanelCase{"AboveThePointerWhenTheTreeEndsTooSoon", {300, 3871},
                                                     {300, 3871 - 3060 + 200}}),
                         case_names::ByName{});

TEST(KeyBoardPlacement, StaysInsideTheClientArea) {
    EXPECT_EQ(PlaceKeyBoard({1000, 1000}, 9870, 7800), (TwipsPoint{1000, 1800}));
    EXPECT_EQ(PlaceKeyBoard({3000, 4500}, 9870, 7800), (TwipsPoint{9870 - 7070 - 90, 7800 - 2965 - 90}));
}

TEST_F(TreePointerTest, ARightClickOpensTheEditorPanelThereAndAnyReleaseClosesIt) {
    Build({{"L1", ""}, {"L2", ""}});
    Click(MouseButton::Right, "L2", {6000, 600});
    EXPECT_EQ(CurrentKey(), "L2");
    EXPECT_TRUE(fields.Shown());
    EXPECT_EQ(fields.View().left, 6720 - 3795);
    pointer.Released(MouseButton::Left, std::nullopt, {0, 0}, kRoom);
    EXPECT_FALSE(fields.Shown());

    // The context-menu key: the same panel on the current node, with the focus in it.
    pointer.OpenEditorPanelFromKey({6000, 600}, kRoom);
    EXPECT_TRUE(fields.Shown());
    EXPECT_EQ(fields.View().left, 6720 - 3795);
    EXPECT_EQ(focus.Target(), FocusTarget::lChar);
}

TEST_F(TreePointerTest, ACaptionEditStoresTheTrimmedTextAndShowsItAsTyped) {
    Build({{"L1", ""}});
    EXPECT_FALSE(pointer.MayEditCaption("L2"));
    ASSERT_TRUE(pointer.MayEditCaption("L1"));
    pointer.CaptionEdited("  go  ");
    EXPECT_EQ(script.Tree().Find("L1")->caption, "  go  ");
    EXPECT_EQ(script.Current().NodeText, FixWidth("go", kNodeTextWidth));
    EXPECT_TRUE(script.Modified());
    script.SelectInstruction(script.Tree().Find("L1"));  // as a save reads every node
    EXPECT_EQ(script.Current().NodeText, FixWidth("go", kNodeTextWidth));
    EXPECT_EQ(messages.beeps, 0);

    pointer.CaptionEdited("登录😀");  // the file could not hold the emoji
    EXPECT_EQ(script.Tree().Find("L1")->caption, "登录");
    EXPECT_EQ(script.Current().NodeText, FixWidth("登录", kNodeTextWidth));
    EXPECT_EQ(messages.beeps, 1);
}

TEST_F(TreePointerTest, ADropReparentsTheSubtreeOrRefusesAMoveIntoItself) {
    Build({{"L1", ""}, {"L2", "L1"}, {"L3", ""}});
    script.Tree().SetIcon(script.Tree().Find("L1"), kIconWithChildren);
    pointer.Pressed("L1");
    pointer.DragOver("L2", true);
    EXPECT_EQ(pointer.DropHighlight(), "L2");
    pointer.DropOnTree("L2");
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{kCannotDrop});
    EXPECT_EQ(pointer.DropHighlight(), "");
    EXPECT_EQ(pointer.DragKey(), "");

    pointer.Pressed("L1");
    pointer.DropOnTree("L3");
    EXPECT_EQ(Shape(), "L3:2[L1:2[L2:1]]");  // the old parent's icon stays as it was
    EXPECT_EQ(CurrentKey(), "L1");
    EXPECT_EQ(KeyOf(script.Current().NodeParent), "L3");

    pointer.Pressed("L1");
    pointer.DropOnTree(std::nullopt);  // beside the nodes: back to the top level
    EXPECT_EQ(Shape(), "L3:2 L1:2[L2:1]");
    EXPECT_EQ(KeyOf(script.Current().NodeParent), "");
}

TEST_F(TreePointerTest, ADropNamingADeletedNodeDoesNothing) {
    Build({{"L1", ""}, {"L2", ""}}, "L2");
    pointer.Pressed("L2");
    editor.DeleteInstruction();
    pointer.DropOnTree("L1");
    EXPECT_EQ(Shape(), "L1:1");
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(pointer.DragKey(), "");
}

TEST_F(TreePointerTest, EveryDropClosesTheEditorPanelBeforeItActs) {
    Build({{"L1", ""}, {"L2", ""}, {"L3", ""}});
    const auto openPanel = [&] { fields.ShowEditorPanel(true); };
    openPanel();
    pointer.Pressed("L2");
    pointer.DropOnTree("L1");
    EXPECT_FALSE(fields.Shown());
    EXPECT_EQ(CurrentKey(), "L2");
    // Typing into the closed panel's boxes reaches no Instruction.
    fields.CharChanged("typed");
    fields.PauseChanged("9");
    EXPECT_EQ(KeyOf(script.Current().pChar), "x");
    EXPECT_EQ(script.Current().pPause, 0);

    openPanel();
    pointer.DropOnClear();
    EXPECT_FALSE(fields.Shown());
    EXPECT_EQ(MessageTexts().back(), "要清除已有信息吗?");
}

TEST_F(TreePointerTest, ADropOnDelOrderDeletesTheDraggedInstruction) {
    Build({{"L1", ""}, {"L2", ""}, {"L3", ""}, {"L4", "L3"}}, "L2");
    fields.ShowEditorPanel(true);
    pointer.DropOnDelOrder();  // nothing dragged
    EXPECT_EQ(script.Tree().Count(), 4);
    pointer.Pressed("L3");
    pointer.DropOnDelOrder();  // refused as 删除 refuses it: it has a child
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"不能删除带子指令的指令!"});
    pointer.Pressed("L1");
    pointer.DropOnDelOrder();
    EXPECT_EQ(Shape(), "L2:1 L3:1[L4:1]");
    EXPECT_EQ(CurrentKey(), "L2");  // number 1 now, as 删除 would choose
    EXPECT_EQ(pointer.DragKey(), "");
    EXPECT_FALSE(fields.Shown());
}

TEST_F(TreePointerTest, OnlyMovingToAnotherControlOfTavoAsksAboutAnEmptyInstruction) {
    Build({{"L1", ""}, {"L2", "", 0, "", "", ""}}, "L2");
    pointer.FocusLost(FocusDestination::Tree);     // its caption edit box
    pointer.FocusLost(FocusDestination::Outside);  // another program, or Tavo hidden
    EXPECT_TRUE(messages.shown.empty());
    pointer.FocusLost(FocusDestination::OtherControl);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"不能预留空指令，是否自动删除L2指令?"});
}

}  // namespace
}  // namespace tavo
