#include "core/model/script_loader.h"

#include <algorithm>

namespace tavo {

LoadReport LoadScriptFile(CodePage936& codePage, std::string_view file, ScriptTree& tree,
                          const HeaderSink& applyHeader) {
    LoadReport report;
    const GmxBlocks blocks = SplitBlocks(file);
    report.headerFields = ReadHeaderFields(codePage, blocks.header);
    report.kindStopsLoad = report.headerFields.size() == kHeaderFieldCount &&
                           !ReadKindFlag(report.headerFields.back()).has_value();
    for (std::string_view block : blocks.records)
        report.records.push_back(DecodeRecord(codePage, block));
    report.trailingBytes = blocks.trailingBytes;
    if (applyHeader) applyHeader(report.headerFields);
    if (report.kindStopsLoad) return report;

    report.reached = std::min(static_cast<int>(report.records.size()), kMaxRecords);
    const std::vector<Instruction> read(report.records.begin(),
                                        report.records.begin() + report.reached);
    report.rebuild = RebuildTree(tree, read);
    // A stopped load has read the record that stopped it, not one more.
    const int last = report.rebuild.problem == RecordProblem::None ? report.reached
                                                                   : report.rebuild.problemRecord;
    if (last > 0) report.lastRead = read[static_cast<std::size_t>(last) - 1];
    return report;
}

}  // namespace tavo
