#include "core/model/script_file.h"

#include "core/util/text.h"

namespace tavo {

std::string CaptionOf(const std::string& nodeText) {
    const std::string_view trimmed = TrimSpaces(nodeText);
    return std::string(trimmed.substr(0, trimmed.find(' ')));
}

RebuildResult RebuildTree(ScriptTree& tree, const std::vector<Instruction>& records) {
    RebuildResult result;
    for (const Instruction& record : records) {
        const std::string key = KeyOf(record.NodeKey);
        const std::string parentKey = KeyOf(record.NodeParent);
        ScriptNode* parent = parentKey.empty() ? nullptr : tree.Find(parentKey);
        RecordProblem problem = RecordProblem::None;
        if (key.empty())
            problem = RecordProblem::BlankKey;
        else if (tree.Find(key))
            problem = RecordProblem::DuplicateKey;
        else if (!parentKey.empty() && !parent)
            problem = RecordProblem::ParentNotYetDefined;
        if (problem != RecordProblem::None) {
            result.problem = problem;
            result.problemRecord = result.placed + 1;
            return result;
        }
        if (parent && parent->icon != kIconWithChildren) tree.SetIcon(parent, kIconWithChildren);
        ScriptNode* node =
            tree.Add(parent, Placement::LastChild, key, CaptionOf(record.NodeText), kIconInstruction);
        tree.SetTag(node, BuildTag(record));
        if (!IsBlank(record.pYesNext) || !IsBlank(record.pNotNext)) tree.SetIcon(node, kIconWithJump);
        ++result.placed;
    }
    return result;
}

Instruction RecordOf(const ScriptNode& node) {
    Instruction record;
    ParseTag(record, node.tag, node.caption);
    return record;
}

SavePlan PlanSave(const ScriptTree& tree) {
    SavePlan plan;
    for (ScriptNode* node : tree.PreOrder()) {
        if (node->tag.empty()) continue;
        if (!IsNonEmptyInstruction(RecordOf(*node), true)) {
            plan.check = SaveCheck::EmptyInstruction;
            plan.emptyNode = node;
            return plan;
        }
        plan.nodes.push_back(node);
    }
    if (static_cast<int>(plan.nodes.size()) > kMaxRecords) plan.check = SaveCheck::TooManyInstructions;
    return plan;
}

std::string BuildScriptFile(CodePage936& codePage, const GmxHeader& header,
                            const std::vector<ScriptNode*>& nodes) {
    std::string file = EncodeHeader(codePage, header);
    for (const ScriptNode* node : nodes) file += EncodeRecord(codePage, RecordOf(*node));
    return file;
}

}  // namespace tavo
