#pragma once
// Loading a Script file into a tree: the one procedure Tavo and tavo-cli both follow.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/script_file.h"

namespace tavo {

struct LoadReport {
    std::vector<std::string> headerFields;  // as the reader takes them
    bool kindStopsLoad = false;             // a fifth field that is no number: no record is read
    std::vector<Instruction> records;       // every whole record block, decoded
    int reached = 0;                        // records the load reads: at most 230
    RebuildResult rebuild;
    std::size_t trailingBytes = 0;
    // The record read last: the load leaves it as the current Instruction.
    std::optional<Instruction> lastRead;

    // Every record read was placed: the load runs to its end.
    bool Complete() const { return !kindStopsLoad && rebuild.problem == RecordProblem::None; }
};

using HeaderSink = std::function<void(const std::vector<std::string>& fields)>;

// Hands the header's fields to `applyHeader` (which may empty the tree: a changed keyword
// starts from an empty tree), then places the records in one pass, stopping at the first
// that cannot be placed.
LoadReport LoadScriptFile(CodePage936& codePage, std::string_view file, ScriptTree& tree,
                          const HeaderSink& applyHeader);

}  // namespace tavo
