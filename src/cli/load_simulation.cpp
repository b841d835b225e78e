#include "cli/load_simulation.h"

namespace tavo::cli {

LoadView SimulateLoad(CodePage936& codePage, std::string_view file, ScriptTree& tree) {
    return LoadScriptFile(codePage, file, tree, nullptr);
}

std::string RecordRange(int first, int last) {
    if (first == last) return "record " + std::to_string(first);
    return "records " + std::to_string(first) + " to " + std::to_string(last);
}

int RecordWithKey(const std::vector<Instruction>& records, const std::string& key) {
    for (std::size_t i = 0; i < records.size(); ++i)
        if (KeyOf(records[i].NodeKey) == key) return static_cast<int>(i) + 1;
    return 0;
}

std::string ProblemText(RecordProblem problem, int number,
                        const std::vector<Instruction>& records) {
    const Instruction& record = records.at(static_cast<std::size_t>(number) - 1);
    const std::string key = KeyOf(record.NodeKey);
    const std::string parent = KeyOf(record.NodeParent);
    switch (problem) {
        case RecordProblem::BlankKey:
            return "blank NodeKey";
        case RecordProblem::DuplicateKey:
            return "NodeKey \"" + key + "\" is already used by record " +
                   std::to_string(RecordWithKey(records, key));
        case RecordProblem::ParentNotYetDefined: {
            std::string text = "NodeParent \"" + parent + "\" is not defined by an earlier record";
            const int later = RecordWithKey(records, parent);
            if (later > number) text += ", only later by record " + std::to_string(later);
            return text;
        }
        case RecordProblem::None:
            break;
    }
    return "no problem";
}

}  // namespace tavo::cli
