#include "cli/convert.h"

#include <algorithm>

#include "cli/header_text.h"
#include "cli/json_mapping.h"
#include "cli/load_simulation.h"
#include "core/model/cp936_field.h"

namespace tavo::cli {
namespace {

void ReadHeader(CodePage936& codePage, std::string_view block, ScriptDocument& document,
                std::vector<std::string>& warnings) {
    if (block.size() < kBlockSize)
        warnings.push_back(
            "the file is shorter than its 142-byte header; the header is written back in full");
    document.settings = ExactSettings(codePage, block);
    if (document.settings) return;
    document.headerText = HeaderText(codePage, block);
    warnings.push_back("the header is not as the program writes it; it is kept as headerText");
    if (block.size() == kBlockSize &&
        EncodeField(codePage, *document.headerText, kBlockSize) != block)
        warnings.push_back(
            "the header will not be written back byte for byte (bytes that are no "
            "code-page-936 character, or a cut double-byte character)");
}

}  // namespace

Converted GmxToJson(CodePage936& codePage, std::string_view file) {
    Converted result;
    const GmxBlocks blocks = SplitBlocks(file);
    ScriptDocument document;
    ReadHeader(codePage, blocks.header, document, result.warnings);
    const std::size_t kept = std::min(blocks.records.size(), static_cast<std::size_t>(kMaxRecords));
    for (std::size_t i = 0; i < kept; ++i) {
        document.records.push_back(DecodeRecord(codePage, blocks.records[i]));
        if (EncodeRecord(codePage, document.records.back()) != blocks.records[i])
            result.warnings.push_back("record " + std::to_string(i + 1) +
                                      " will not be written back byte for byte (bytes that are no "
                                      "code-page-936 character, or a cut double-byte character)");
    }
    if (blocks.records.size() > kept)
        result.warnings.push_back(
            "left out: " + RecordRange(kMaxRecords + 1, static_cast<int>(blocks.records.size())) +
            " (the program never reads beyond 230)");
    if (blocks.trailingBytes > 0)
        result.warnings.push_back("a partial block of " + std::to_string(blocks.trailingBytes) +
                                  " bytes at the end is left out: the program ignores it");
    result.output =
        DocumentToJson(document).dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
    return result;
}

Converted JsonToGmx(CodePage936& codePage, std::string_view text) {
    Json json;
    try {
        json = Json::parse(text, nullptr, true, true);
    } catch (const Json::exception& e) {
        // Not only parse errors: a number beyond a double's range is an out_of_range.
        throw InputError(std::string("not valid JSON: ") + e.what());
    }
    const ScriptDocument document = DocumentFromJson(codePage, json);
    Converted result;
    result.output = document.headerText ? EncodeField(codePage, *document.headerText, kBlockSize)
                                        : EncodeHeader(codePage, *document.settings);
    for (const Instruction& record : document.records)
        result.output += EncodeRecord(codePage, record);
    return result;
}

}  // namespace tavo::cli
