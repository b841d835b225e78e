#include <gtest/gtest.h>

#include "core/model/script_file.h"
#include "core/model/script_state.h"
#include "core/util/text.h"
#include "script_builder.h"

namespace tavo {
namespace {

using testing::InstructionFor;
using testing::NodePlan;

std::string Shape(const ScriptTree& tree) {
    // "key(icon)[children]" in display pre-order, for whole-tree comparisons.
    std::string out;
    auto visit = [&](auto& self, const ScriptNode* node) -> void {
        out += node->key + "(" + std::to_string(node->icon) + ")";
        if (node->children.empty()) return;
        out += "[";
        for (const ScriptNode* child : node->children) self(self, child);
        out += "]";
    };
    for (const ScriptNode* top : tree.TopLevel()) visit(visit, top);
    return out;
}

std::vector<Instruction> Records(const std::vector<NodePlan>& plans) {
    std::vector<Instruction> records;
    for (const NodePlan& plan : plans) records.push_back(InstructionFor(plan));
    return records;
}

TEST(RebuildTree, ParentsFirstWithIcons) {
    ScriptTree tree;
    const RebuildResult r = RebuildTree(
        tree, Records({{"L1", ""}, {"L2", "", 0, "L1"}, {"L4", "L2"}, {"L3", "", 0, "", "L1"}}));
    EXPECT_EQ(r.placed, 4);
    EXPECT_EQ(r.problem, RecordProblem::None);
    // L2 has a jump but gets children: 2 wins; the leaf with a jump shows 12.
    EXPECT_EQ(Shape(tree), "L1(1)L2(2)[L4(1)]L3(12)");
}

TEST(RebuildTree, StopsAtTheFirstRecordItCannotPlace) {
    struct Case {
        const char* name;
        std::vector<NodePlan> plans;
        RecordProblem problem;
        int record;
        const char* shape;
    };
    const Case cases[] = {
        {"parent comes later", {{"L1", ""}, {"L3", "L2"}, {"L2", ""}}, RecordProblem::ParentNotYetDefined, 2, "L1(1)"},
        {"duplicate key", {{"L1", ""}, {"L2", ""}, {"L1", ""}}, RecordProblem::DuplicateKey, 3, "L1(1)L2(1)"},
        {"blank key", {{"L1", ""}, {"", ""}}, RecordProblem::BlankKey, 2, "L1(1)"},
    };
    for (const Case& c : cases) {
        ScriptTree tree;
        const RebuildResult r = RebuildTree(tree, Records(c.plans));
        EXPECT_EQ(r.problem, c.problem) << c.name;
        EXPECT_EQ(r.problemRecord, c.record) << c.name;
        EXPECT_EQ(Shape(tree), c.shape) << c.name;
    }
}

TEST(RebuildTree, CaptionIsTheFirstWordOfNodeText) {
    Instruction record = InstructionFor({"L1", ""});
    record.NodeText = FixWidth("  two words", kNodeTextWidth);
    ScriptTree tree;
    RebuildTree(tree, {record});
    EXPECT_EQ(tree.Find("L1")->caption, "two");
}

TEST(PlanSave, WritesStoredNodesInDisplayOrder) {
    ScriptState script;
    testing::BuildScript(script, {{"L1", ""}, {"L2", ""}, {"L3", "L1"}});
    script.Tree().AddTopLevel("L4", "never stored", kIconInstruction);  // empty tag: skipped
    script.Tree().Reparent("L1", nullptr);  // L1 (with L3) now after L2
    const SavePlan plan = PlanSave(script.Tree());
    ASSERT_EQ(plan.check, SaveCheck::Ok);
    std::vector<std::string> keys;
    for (const ScriptNode* n : plan.nodes) keys.push_back(n->key);
    EXPECT_EQ(keys, (std::vector<std::string>{"L2", "L1", "L3"}));
}

TEST(PlanSave, RefusesAnEmptyInstructionAndMoreThanTheFileHolds) {
    ScriptState script;
    testing::BuildScript(script, {{"L1", ""}, {"L2", "", 0, "", "", ""}, {"L3", ""}});
    SavePlan plan = PlanSave(script.Tree());
    EXPECT_EQ(plan.check, SaveCheck::EmptyInstruction);
    EXPECT_EQ(plan.emptyNode, script.Tree().Find("L2"));

    ScriptState big;
    std::vector<NodePlan> plans;
    for (int i = 1; i <= kMaxRecords + 1; ++i) plans.push_back({NodeKeyFor(i), ""});
    testing::BuildScript(big, plans);
    EXPECT_EQ(PlanSave(big.Tree()).check, SaveCheck::TooManyInstructions);
    big.Tree().Remove(NodeKeyFor(kMaxRecords + 1));
    EXPECT_EQ(PlanSave(big.Tree()).check, SaveCheck::Ok);
}

TEST(ScriptFile, SavedTreeLoadsBackTheSame) {
    auto cp = MakeCodePage936();
    ScriptState script;
    testing::BuildScript(script, {{"L1", ""}, {"L2", "", 3, "L1"}, {"L4", "L2"}, {"L3", ""}});
    script.Tree().SetIcon(script.Tree().Find("L2"), kIconWithChildren);
    script.Tree().SetIcon(script.Tree().Find("L1"), kIconInstruction);
    const SavePlan plan = PlanSave(script.Tree());
    const std::string file = BuildScriptFile(*cp, GmxHeader{"游戏", 400, 300, 2, true}, plan.nodes);
    ASSERT_EQ(file.size(), kBlockSize * 5);

    const GmxBlocks blocks = SplitBlocks(file);
    std::vector<Instruction> records;
    for (auto block : blocks.records) records.push_back(DecodeRecord(*cp, block));
    ScriptTree loaded;
    ASSERT_EQ(RebuildTree(loaded, records).placed, 4);
    EXPECT_EQ(Shape(loaded), "L1(1)L2(2)[L4(1)]L3(1)");
    for (const ScriptNode* node : loaded.PreOrder())
        EXPECT_EQ(node->tag, script.Tree().Find(node->key)->tag) << node->key;
}

}  // namespace
}  // namespace tavo
