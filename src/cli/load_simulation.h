#pragma once
// A .gmx file read the way the program loads it, with the core's reader and tree rebuild.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/script_file.h"

namespace tavo::cli {

struct LoadView {
    std::vector<std::string> headerFields;  // as the reader takes them
    bool kindStopsLoad = false;             // a fifth field that is not a number
    std::vector<Instruction> records;       // every whole record block, decoded
    int reached = 0;                        // records the reader gets to: at most 230
    RebuildResult rebuild;
    std::size_t trailingBytes = 0;
};

// Fills `tree` as a load would.
LoadView SimulateLoad(CodePage936& codePage, std::string_view file, ScriptTree& tree);

// Why record `number` (1-based) cannot be placed, e.g. which record holds a repeated key.
std::string ProblemText(RecordProblem problem, int number, const std::vector<Instruction>& records);

// "record 5" or "records 5 to 7".
std::string RecordRange(int first, int last);

// The record number of the first record with `key` (trimmed), or 0.
int RecordWithKey(const std::vector<Instruction>& records, const std::string& key);

}  // namespace tavo::cli
