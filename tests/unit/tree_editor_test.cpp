#include <gtest/gtest.h>

#include <ostream>

#include "case_names.h"
#include "core/model/gmx_format.h"
#include "editor_fixture.h"

namespace tavo {
namespace {

using testing::NodePlan;

class TreeEditorTest : public testing::EditorTest {};

TEST_F(TreeEditorTest, AddingMakesAnEmptyCurrentInstructionUnderTheInsertionParent) {
    editor.AddInstruction();
    EXPECT_EQ(Shape(), "L1:1");
    EXPECT_EQ(script.Tree().Find("L1")->caption, "abc1");
    EXPECT_EQ(CurrentKey(), "L1");
    EXPECT_EQ(script.Current().NodeText, FixWidth("abc1", kNodeTextWidth));
    EXPECT_EQ(script.Tree().Find("L1")->tag, BuildTag(script.Current()));
    EXPECT_FALSE(script.Modified());
    EXPECT_EQ(focus.Target(), FocusTarget::InfoTree);

    editor.SetInsertParent("L1");
    fields.ShowEditorPanel(true);
    editor.AddInstruction();  // the panel showed L1, which is no longer current
    EXPECT_FALSE(fields.Shown());
    EXPECT_EQ(Shape(), "L1:2[L2:1]");
    EXPECT_EQ(KeyOf(script.Current().NodeParent), "L1");
    EXPECT_EQ(editor.InsertParentKey(), kRootKey);
    editor.AddInstruction();
    EXPECT_EQ(Shape(), "L1:2[L2:1] L3:1");
}

TEST_F(TreeEditorTest, AFreedKeyIsTakenAgainSoJumpsToItReachTheNewInstruction) {
    Build({{"L1", ""}, {"L2", ""}, {"L3", "", 0, "L2"}}, "L2");
    editor.DeleteInstruction();
    editor.AddInstruction();
    EXPECT_EQ(CurrentKey(), "L2");
    EXPECT_EQ(Shape(), "L1:1 L3:1 L2:1");
}

TEST_F(TreeEditorTest, NoInstructionIsAddedBeyondWhatAFileCanHold) {
    for (int i = 0; i < kMaxRecords; ++i) editor.AddInstruction();
    editor.AddInstruction();
    EXPECT_EQ(script.Tree().Count(), kMaxRecords);
    EXPECT_EQ(messages.shown, (std::vector<testing::ShownMessage>{
                                  {"脚本最多230条指令,无法继续添加。", MessageButtons::Ok,
                                   MessageIcon::Information}}));
}

TEST_F(TreeEditorTest, DeletingChoosesTheNodeAtTheSameCreationNumberOrTheLast) {
    Build({{"L1", ""}, {"L2", "L1"}, {"L3", ""}}, "L2");
    editor.SetInsertParent("L2");
    editor.DeleteInstruction();
    EXPECT_EQ(Shape(), "L1:1 L3:1");
    EXPECT_EQ(CurrentKey(), "L3");  // number 2 now
    EXPECT_EQ(editor.InsertParentKey(), kRootKey);
    EXPECT_TRUE(script.Modified());

    editor.DeleteInstruction();
    EXPECT_EQ(CurrentKey(), "L1");  // L3 was the highest number
    editor.DeleteInstruction();
    EXPECT_EQ(room.resets, 1);
    EXPECT_TRUE(script.Modified());  // the emptied Script still differs from its file
    editor.DeleteInstruction();  // nothing current: nothing happens
    EXPECT_EQ(room.resets, 1);
}

TEST_F(TreeEditorTest, AnInstructionWithChildrenIsNeitherDeletedNorMovedByButtons) {
    Build({{"L1", ""}, {"L2", "L1"}});
    editor.DeleteInstruction();
    editor.MoveInstruction(MoveDirection::Down);
    EXPECT_EQ(Shape(), "L1:1[L2:1]");
    EXPECT_EQ(messages.shown, (std::vector<testing::ShownMessage>{
                                  {"不能删除带子指令的指令!", MessageButtons::Ok, MessageIcon::None},
                                  {"不能移动带子指令的指令!", MessageButtons::Ok, MessageIcon::Information}}));
}

struct MoveCase {
    const char* name;
    std::string node;
    MoveDirection direction;
    std::string shape;  // empty: unchanged
};

void PrintTo(const MoveCase& c, std::ostream* os) { *os << c.name; }

class MoveTest : public TreeEditorTest, public ::testing::WithParamInterface<MoveCase> {};

// L1, L2 with its only child L3, L4.
TEST_P(MoveTest, MovesByTheTable) {
    const MoveCase& c = GetParam();
    Build({{"L1", ""}, {"L2", ""}, {"L3", "L2"}, {"L4", ""}}, c.node);
    script.Tree().SetIcon(script.Tree().Find("L2"), kIconWithChildren);
    const std::string before = Shape();
    editor.MoveInstruction(c.direction);
    EXPECT_EQ(Shape(), c.shape.empty() ? before : c.shape);
    EXPECT_EQ(script.Modified(), !c.shape.empty());
    if (c.shape.empty()) return;
    const ScriptNode* moved = script.Tree().Find(c.node);
    EXPECT_EQ(CurrentKey(), c.node);
    EXPECT_EQ(script.Tree().IndexOf(moved), script.Tree().Count());  // re-created last
    Instruction stored;
    ParseTag(stored, moved->tag, moved->caption);
    EXPECT_EQ(KeyOf(stored.NodeParent), moved->parent ? moved->parent->key : "");
    EXPECT_EQ(KeyOf(stored.pChar), "x");
}

INSTANTIATE_TEST_SUITE_P(
    Table, MoveTest,
    ::testing::Values(MoveCase{"UpPassesAWholeSubtree", "L4", MoveDirection::Up, "L1:1 L4:1 L2:2[L3:1]"},
                      MoveCase{"UpFromAFirstChildLeavesItsParent", "L3", MoveDirection::Up, "L1:1 L3:1 L2:1 L4:1"},
                      MoveCase{"FirstCannotGoUp", "L1", MoveDirection::Up, ""},
                      MoveCase{"DownPassesAWholeSubtree", "L1", MoveDirection::Down, "L2:2[L3:1] L1:1 L4:1"},
                      MoveCase{"LastCannotGoDown", "L4", MoveDirection::Down, ""},
                      MoveCase{"UpLevelFollowsTheParent", "L3", MoveDirection::UpLevel, "L1:1 L2:1 L3:1 L4:1"},
                      MoveCase{"TopLevelCannotGoUpALevel", "L1", MoveDirection::UpLevel, ""},
                      MoveCase{"BecomesTheLastChildOfThePrevious", "L4", MoveDirection::ChildOfPrevious,
                               "L1:1 L2:2[L3:1 L4:1]"},
                      MoveCase{"AFirstChildHasNoPrevious", "L3", MoveDirection::ChildOfPrevious, ""}),
    case_names::ByName{});

TEST_F(TreeEditorTest, TheGuardOffersToDeleteAnEmptyInstructionAndAsksOnlyOnce) {
    Build({{"L1", ""}, {"L2", ""}, {"L3", "", 0, "", "", ""}}, "L3");
    // The question takes the focus from the tree, whose focus loss guards again.
    messages.whileShown = [&] { EXPECT_FALSE(editor.GuardEmptyInstruction()); };
    EXPECT_FALSE(editor.GuardEmptyInstruction());
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"不能预留空指令，是否自动删除L3指令?"});
    EXPECT_EQ(focus.Target(), FocusTarget::InfoTree);  // No keeps it
    EXPECT_EQ(Shape(), "L1:1 L2:1 L3:1");

    editor.SetButtonHeld(true);  // a click on DelOrder or Clear goes through once
    EXPECT_TRUE(editor.GuardEmptyInstruction());
    EXPECT_FALSE(editor.ButtonHeld());

    messages.answers = {MessageAnswer::Yes};
    EXPECT_FALSE(editor.GuardEmptyInstruction());
    EXPECT_EQ(Shape(), "L1:1 L2:1");
    EXPECT_TRUE(editor.GuardEmptyInstruction());
}

}  // namespace
}  // namespace tavo
