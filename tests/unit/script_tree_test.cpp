#include <gtest/gtest.h>

#include "core/model/script_state.h"
#include "core/util/text.h"
#include "script_builder.h"

namespace tavo {
namespace {

std::vector<std::string> Keys(const std::vector<ScriptNode*>& nodes) {
    std::vector<std::string> keys;
    for (const ScriptNode* n : nodes) keys.push_back(n->key);
    return keys;
}

std::vector<std::string> ListOrder(const ScriptTree& tree) {
    std::vector<std::string> keys;
    for (int i = 1; i <= tree.Count(); ++i) keys.push_back(tree.NodeAt(i)->key);
    return keys;
}

class ScriptTreeTest : public ::testing::Test {
protected:
    // L1 (L2, L3 (L4)), L5
    void SetUp() override {
        testing::BuildScript(script, {{"L1", ""}, {"L2", "L1"}, {"L3", "L1"}, {"L4", "L3"}, {"L5", ""}});
    }
    ScriptNode* N(const std::string& key) { return tree().Find(key); }
    ScriptTree& tree() { return script.Tree(); }
    ScriptState script;
};

TEST_F(ScriptTreeTest, PreOrderAndNavigation) {
    EXPECT_EQ(Keys(tree().PreOrder()), (std::vector<std::string>{"L1", "L2", "L3", "L4", "L5"}));
    EXPECT_EQ(FirstChild(N("L1")), N("L2"));
    EXPECT_EQ(tree().NextSibling(N("L2")), N("L3"));
    EXPECT_EQ(tree().NextSibling(N("L3")), nullptr);
    EXPECT_EQ(tree().PreviousSibling(N("L5")), N("L1"));
    EXPECT_EQ(tree().PreviousSibling(N("L1")), nullptr);
    EXPECT_EQ(ChildCount(N("L1")), 2);
    EXPECT_EQ(N("L4")->parent, N("L3"));
}

TEST_F(ScriptTreeTest, AddBeforeAndAfterKeepCreationNumbering) {
    ASSERT_NE(tree().Add(N("L3"), Placement::Before, "L6", "six", kIconInstruction), nullptr);
    ASSERT_NE(tree().Add(N("L5"), Placement::After, "L7", "seven", kIconInstruction), nullptr);
    EXPECT_EQ(Keys(tree().PreOrder()),
              (std::vector<std::string>{"L1", "L2", "L6", "L3", "L4", "L5", "L7"}));
    EXPECT_EQ(tree().IndexOf(N("L6")), 6);
    EXPECT_EQ(tree().IndexOf(N("L7")), 7);
    EXPECT_EQ(N("L6")->parent, N("L1"));
}

TEST_F(ScriptTreeTest, AddRefusesTakenOrBlankKeys) {
    EXPECT_EQ(tree().AddTopLevel("L2", "again", kIconInstruction), nullptr);
    EXPECT_EQ(tree().AddTopLevel("", "blank", kIconInstruction), nullptr);
    EXPECT_EQ(tree().Count(), 5);
}

TEST_F(ScriptTreeTest, RemoveTakesTheSubtreeAndClosesTheNumbering) {
    EXPECT_TRUE(tree().Remove("L3"));
    EXPECT_EQ(ListOrder(tree()), (std::vector<std::string>{"L1", "L2", "L5"}));
    EXPECT_EQ(N("L4"), nullptr);
    EXPECT_EQ(tree().IndexOf(N("L5")), 3);
    EXPECT_FALSE(tree().Remove("L3"));
}

TEST_F(ScriptTreeTest, ReparentMovesTheSubtreeButNotIntoItself) {
    EXPECT_FALSE(tree().Reparent("L1", N("L1")));
    EXPECT_FALSE(tree().Reparent("L1", N("L4")));
    EXPECT_FALSE(tree().Reparent("L3", N("L4")));
    EXPECT_EQ(Keys(tree().PreOrder()), (std::vector<std::string>{"L1", "L2", "L3", "L4", "L5"}));

    EXPECT_TRUE(tree().Reparent("L3", N("L5")));
    EXPECT_EQ(Keys(tree().PreOrder()), (std::vector<std::string>{"L1", "L2", "L5", "L3", "L4"}));
    EXPECT_EQ(ListOrder(tree()), (std::vector<std::string>{"L1", "L2", "L3", "L4", "L5"}));

    EXPECT_TRUE(tree().Reparent("L2", nullptr));
    EXPECT_EQ(tree().TopLevel().back(), N("L2"));
    EXPECT_EQ(N("L2")->parent, nullptr);
}

TEST_F(ScriptTreeTest, NextKeyNumberFillsTheFirstGap) {
    EXPECT_EQ(script.NextKeyNumber(), 6);
    tree().Remove("L2");
    tree().Remove("L4");
    EXPECT_EQ(script.NextKeyNumber(), 2);
    tree().Clear();
    EXPECT_EQ(script.NextKeyNumber(), 1);
}

TEST_F(ScriptTreeTest, SelectingANeverStoredNodeKeepsTheCurrentInstruction) {
    script.SelectInstruction(N("L2"));
    const Instruction loaded = script.Current();
    ScriptNode* fresh = tree().AddTopLevel("L9", "nine", kIconInstruction);
    script.SelectInstruction(fresh);
    EXPECT_EQ(script.CurrentNode(), fresh);
    EXPECT_EQ(script.Current(), loaded);
}

TEST_F(ScriptTreeTest, StoreWritesTheNodeItsKeyNamesAndMarksModified) {
    script.SelectInstruction(N("L2"));
    script.Current().pPause = 7;
    script.StoreInstruction();
    EXPECT_TRUE(script.Modified());
    script.SelectInstruction(N("L5"));
    EXPECT_EQ(script.Current().pPause, 0);
    script.SelectInstruction(N("L2"));
    EXPECT_EQ(script.Current().pPause, 7);
}

TEST_F(ScriptTreeTest, StoreWithBlankKeyStoresNothingButMarksModified) {
    const std::string before = N("L1")->tag;
    script.Current().NodeKey = Blank(kKeyWidth);
    script.StoreInstruction();
    EXPECT_TRUE(script.Modified());
    EXPECT_EQ(N("L1")->tag, before);
}

TEST_F(ScriptTreeTest, ClearInstructionKeepsIdentityAndReachesTheNode) {
    script.SelectInstruction(N("L3"));
    const Instruction before = script.Current();
    script.ClearInstruction();
    script.SelectInstruction(N("L1"));
    script.SelectInstruction(N("L3"));
    Instruction expected;
    expected.NodeKey = before.NodeKey;
    expected.NodeParent = before.NodeParent;
    expected.NodeText = before.NodeText;
    EXPECT_EQ(script.Current(), expected);
}

TEST_F(ScriptTreeTest, CurrentNodeIsNoneOnceRemoved) {
    script.SelectInstruction(N("L4"));
    tree().Remove("L3");
    EXPECT_EQ(script.CurrentNode(), nullptr);
    EXPECT_FALSE(script.IsNonEmpty() && !IsBlank(script.Current().pPicture));
}

// A node moved under one made after it: the creation order and the shape disagree, and
// both come back, with every record and icon.
TEST_F(ScriptTreeTest, AnImageRestoresShapeCreationOrderAndRecords) {
    ASSERT_TRUE(tree().Reparent("L2", N("L5")));
    tree().SetIcon(N("L5"), kIconWithChildren);
    tree().SetCaption(N("L4"), " four ");
    const TreeImage image = tree().Image();

    ScriptState other;
    testing::BuildScript(other, {{"L9", ""}});
    other.Tree().Restore(image);
    const std::uint64_t revision = other.Tree().Revision();
    EXPECT_EQ(other.Tree().Image(), image);
    EXPECT_EQ(Keys(other.Tree().PreOrder()),
              (std::vector<std::string>{"L1", "L3", "L4", "L5", "L2"}));
    EXPECT_EQ(ListOrder(other.Tree()), (std::vector<std::string>{"L1", "L2", "L3", "L4", "L5"}));
    EXPECT_EQ(other.Tree().Find("L2")->parent, other.Tree().Find("L5"));
    EXPECT_EQ(other.Tree().Find("L9"), nullptr);
    EXPECT_EQ(other.Tree().Find("L4")->caption, " four ");

    other.Tree().Restore({});
    EXPECT_TRUE(other.Tree().Empty());
    EXPECT_GT(other.Tree().Revision(), revision);  // the view rebuilds after each
}

}  // namespace
}  // namespace tavo
