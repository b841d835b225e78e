#include "cli/check.h"

#include <algorithm>
#include <cstddef>

#include "cli/header_text.h"
#include "core/model/instruction_fields.h"
#include "cli/load_simulation.h"
#include "core/util/text.h"

namespace tavo::cli {
namespace {

std::string Quoted(std::string_view text) {
    std::string quoted(1, '"');
    quoted.append(text);
    quoted += '"';
    return quoted;
}

void CheckHeaderSpace(CodePage936& codePage, std::string_view block, std::vector<Finding>& out) {
    const std::string text = HeaderText(codePage, block);
    const auto space = text.find(' ');
    if (space == std::string::npos) return;
    const std::string kept(TrimSpaces(std::string_view(text).substr(0, space)));
    const std::string lost(text.substr(space));
    if (kept.find('|') == std::string::npos)
        out.push_back({0, "the keyword has a space: the reader keeps " + Quoted(kept) +
                              " and loses " + Quoted(lost) +
                              " (the rest of the keyword and every later field)"});
    else
        out.push_back({0, "a space in the header text: the reader keeps " + Quoted(kept) +
                              " and loses " + Quoted(lost)});
}

void CheckHeader(CodePage936& codePage, std::string_view file, const LoadView& view,
                 std::vector<Finding>& out) {
    const std::string_view block = file.substr(0, kBlockSize);
    if (file.size() < kBlockSize)
        out.push_back({0, "the file has " + std::to_string(file.size()) +
                              " bytes, less than the 142-byte header"});
    CheckHeaderSpace(codePage, block, out);
    const auto exact = ExactSettings(codePage, block);
    if (exact && exact->keyword.find('|') != std::string::npos)
        out.push_back({0, "the keyword " + Quoted(exact->keyword) +
                              " has a \"|\": the reader takes it for the end of a field"});
    const std::size_t count = view.headerFields.size();
    if (count < kHeaderFieldCount)
        out.push_back({0, "only " + std::to_string(count) +
                              " of the five header fields are read; the later settings are not"});
    if (view.kindStopsLoad)
        out.push_back({0, "the fifth header field " + Quoted(view.headerFields.back()) +
                              " is not a number: the load stops before any record"});
}

// Every record that cannot be placed, going on past each as if it were not there.
void CheckPlacement(const std::vector<Instruction>& records, bool loadStopped,
                    std::vector<Finding>& out) {
    ScriptTree tree;
    std::size_t from = 0;
    while (from < records.size()) {
        const std::vector<Instruction> rest(records.begin() + static_cast<std::ptrdiff_t>(from),
                                            records.end());
        const RebuildResult result = RebuildTree(tree, rest);
        if (result.problem == RecordProblem::None) return;
        const int number = static_cast<int>(from) + result.problemRecord;
        std::string message = ProblemText(result.problem, number, records);
        if (!loadStopped)
            message += ": the load stops here (not loaded: " +
                       RecordRange(number, static_cast<int>(records.size())) + ")";
        out.push_back({number, message});
        loadStopped = true;
        from = static_cast<std::size_t>(number);
    }
}

void CheckJumps(const std::vector<Instruction>& records, int number, std::vector<Finding>& out) {
    const Instruction& record = records[static_cast<std::size_t>(number) - 1];
    for (const TextField& field : {kTextFields[0], kTextFields[1]}) {
        const std::string key = KeyOf(record.*field.member);
        if (!key.empty() && RecordWithKey(records, key) == 0)
            out.push_back({number, std::string(field.name) + " " + Quoted(key) + " names no node"});
    }
}

// What a node's tag and caption cannot hold of the record.
void CheckTagLoss(const Instruction& record, int number, std::vector<Finding>& out) {
    const std::string caption = CaptionOf(record.NodeText);
    Instruction back;
    ParseTag(back, BuildTag(record), caption);
    for (const IntField& field : kIntFields)
        if (back.*field.member != record.*field.member)
            out.push_back({number, std::string(field.name) + " " +
                                       std::to_string(record.*field.member) + " reads back as " +
                                       std::to_string(back.*field.member) +
                                       ": it does not fit its place in the node's tag"});
    if (caption != WithoutPadding(record.NodeText))
        out.push_back({number, "NodeText " + Quoted(WithoutPadding(record.NodeText)) +
                                   " is shown as " + Quoted(caption)});
}

void CheckRecord(CodePage936& codePage, std::string_view block,
                 const std::vector<Instruction>& records, int number, std::vector<Finding>& out) {
    const Instruction& record = records[static_cast<std::size_t>(number) - 1];
    if (EncodeRecord(codePage, record) != block)
        out.push_back({number,
                       "does not read back as written: it holds bytes that are no "
                       "code-page-936 character, or a cut double-byte character"});
    if (!IsNonEmptyInstruction(record, true))
        out.push_back({number,
                       "empty Instruction (pChar blank, LocationX and Locationy 0, "
                       "pPicture blank): the program refuses to save it"});
    CheckJumps(records, number, out);
    CheckTagLoss(record, number, out);
}

void CheckBeyondRecords(const GmxBlocks& blocks, std::vector<Finding>& out) {
    const int total = static_cast<int>(blocks.records.size());
    for (int number = kMaxRecords + 1; number <= total; ++number)
        out.push_back({number, "beyond the 230 records a Script holds: never read"});
    if (blocks.trailingBytes > 0)
        out.push_back({total + 1, "a partial block of " + std::to_string(blocks.trailingBytes) +
                                      " bytes at the end: ignored"});
    if (total == 0)
        out.push_back(
            {1, "missing: the file holds no record, so the program finds no valid Instruction"});
}

}  // namespace

std::vector<Finding> CheckScript(CodePage936& codePage, std::string_view file) {
    ScriptTree tree;
    const LoadView view = SimulateLoad(codePage, file, tree);
    const GmxBlocks blocks = SplitBlocks(file);
    std::vector<Finding> out;
    CheckHeader(codePage, file, view, out);
    const int read = std::min(static_cast<int>(view.records.size()), kMaxRecords);
    const std::vector<Instruction> records(view.records.begin(), view.records.begin() + read);
    CheckPlacement(records, view.kindStopsLoad, out);
    for (int number = 1; number <= read; ++number)
        CheckRecord(codePage, blocks.records[static_cast<std::size_t>(number) - 1], records, number,
                    out);
    CheckBeyondRecords(blocks, out);
    std::stable_sort(out.begin(), out.end(),
                     [](const Finding& a, const Finding& b) { return a.record < b.record; });
    return out;
}

std::string FormatFinding(const Finding& finding) {
    if (finding.record == 0) return "header: " + finding.message;
    return "record " + std::to_string(finding.record) + ": " + finding.message;
}

}  // namespace tavo::cli
