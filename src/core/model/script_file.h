#pragma once
// Turning a Script tree into file bytes and file records back into a tree.
#include <optional>
#include <string>
#include <vector>

#include "core/model/gmx_format.h"
#include "core/model/script_tree.h"

namespace tavo {

enum class RecordProblem { None, BlankKey, DuplicateKey, ParentNotYetDefined };

struct RebuildResult {
    int placed = 0;
    RecordProblem problem = RecordProblem::None;
    int problemRecord = 0;  // 1-based record number of the record that stopped the rebuild
};

// Adds records to the tree in one pass as a load does: each parent must already be in
// the tree. Stops at the first record that cannot be placed; what was placed stays.
RebuildResult RebuildTree(ScriptTree& tree, const std::vector<Instruction>& records);

// The caption a record's NodeText gives its node: trimmed and cut before its first space.
std::string CaptionOf(const std::string& nodeText);

enum class SaveCheck { Ok, EmptyInstruction, TooManyInstructions };

struct SavePlan {
    SaveCheck check = SaveCheck::Ok;
    std::vector<ScriptNode*> nodes;  // the nodes written, in display pre-order
    ScriptNode* emptyNode = nullptr;  // the first empty Instruction met
};

// Which nodes a save writes (those ever stored), and whether it may write at all.
SavePlan PlanSave(const ScriptTree& tree);

// The record a node is written as: its tag, with the caption as NodeText.
Instruction RecordOf(const ScriptNode& node);

std::string BuildScriptFile(CodePage936& codePage, const GmxHeader& header,
                            const std::vector<ScriptNode*>& nodes);

}  // namespace tavo
