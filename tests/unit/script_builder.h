#pragma once
// Builds Scripts for tests: nodes are added in the order given, so the n-th one is node n.
#include <string>
#include <vector>

#include "core/model/script_state.h"
#include "core/util/text.h"

namespace tavo::testing {

struct NodePlan {
    std::string key;
    std::string parent;  // empty = top level
    std::int16_t pause = 0;
    std::string yes;  // pYesNext
    std::string no;   // pNotNext
    std::string text = "x";
};

inline Instruction InstructionFor(const NodePlan& plan) {
    Instruction in;
    in.NodeKey = FixWidth(plan.key, kKeyWidth);
    in.NodeParent = FixWidth(plan.parent, kKeyWidth);
    in.NodeText = FixWidth("Caption" + plan.key, kNodeTextWidth);
    in.pChar = FixWidth(plan.text, kCharWidth);
    in.pPause = plan.pause;
    in.pYesNext = FixWidth(plan.yes, kKeyWidth);
    in.pNotNext = FixWidth(plan.no, kKeyWidth);
    return in;
}

inline void BuildScript(ScriptState& script, const std::vector<NodePlan>& plans) {
    ScriptTree& tree = script.Tree();
    for (const NodePlan& plan : plans) {
        ScriptNode* parent = plan.parent.empty() ? nullptr : tree.Find(plan.parent);
        ScriptNode* node =
            tree.Add(parent, Placement::LastChild, plan.key, "Caption" + plan.key, kIconInstruction);
        tree.SetTag(node, BuildTag(InstructionFor(plan)));
    }
}

}  // namespace tavo::testing
