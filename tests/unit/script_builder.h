#pragma once
// Builds Scripts for tests: nodes are added in the order given, so the n-th spec is node n.
#include <string>
#include <vector>

#include "core/model/script_state.h"
#include "core/util/text.h"

namespace tavo::testing {

struct NodeSpec {
    std::string key;
    std::string parent;  // empty = top level
    std::int16_t pause = 0;
    std::string yes;  // pYesNext
    std::string no;   // pNotNext
    std::string text = "x";
};

inline Instruction InstructionFor(const NodeSpec& spec) {
    Instruction in;
    in.NodeKey = FixWidth(spec.key, kKeyWidth);
    in.NodeParent = FixWidth(spec.parent, kKeyWidth);
    in.NodeText = FixWidth("caption " + spec.key, kNodeTextWidth);
    in.pChar = FixWidth(spec.text, kCharWidth);
    in.pPause = spec.pause;
    in.pYesNext = FixWidth(spec.yes, kKeyWidth);
    in.pNotNext = FixWidth(spec.no, kKeyWidth);
    return in;
}

inline void BuildScript(ScriptState& script, const std::vector<NodeSpec>& specs) {
    ScriptTree& tree = script.Tree();
    for (const NodeSpec& spec : specs) {
        ScriptNode* parent = spec.parent.empty() ? nullptr : tree.Find(spec.parent);
        ScriptNode* node =
            tree.Add(parent, Placement::LastChild, spec.key, "caption " + spec.key, kIconInstruction);
        tree.SetTag(node, BuildTag(InstructionFor(spec)));
    }
}

}  // namespace tavo::testing
