#pragma once
// A .gmx file read the way the program loads it, through the core's load procedure.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/script_loader.h"

namespace tavo::cli {

// A load as Tavo runs it, without a settings panel to take the header.
using LoadView = LoadReport;

// Fills `tree` as a load would.
LoadView SimulateLoad(CodePage936& codePage, std::string_view file, ScriptTree& tree);

// Why record `number` (1-based) cannot be placed, e.g. which record holds a repeated key.
std::string ProblemText(RecordProblem problem, int number, const std::vector<Instruction>& records);

// "record 5" or "records 5 to 7".
std::string RecordRange(int first, int last);

// The record number of the first record with `key` (trimmed), or 0.
int RecordWithKey(const std::vector<Instruction>& records, const std::string& key);

}  // namespace tavo::cli
