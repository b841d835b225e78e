#pragma once
// The .gmx layout: 142-byte blocks; block 0 the settings header, then one Instruction
// record per block in display pre-order.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/model/instruction.h"
#include "platform/code_page.h"

namespace tavo {

inline constexpr std::size_t kBlockSize = 142;
// Record positions are 16-bit: 142 × 230 + 1 is the last that fits.
inline constexpr int kMaxRecords = 230;
inline constexpr int kHeaderFieldCount = 5;

struct GmxHeader {
    std::string keyword;  // written trimmed
    long minWidth = 400;
    long minHeight = 300;
    long maxWindows = 1;
    bool otherWindows = false;  // false: Flash windows selected
};

std::string EncodeHeader(CodePage936& codePage, const GmxHeader& header);

// A keyword must not hold what the header reader splits at: a space ends the header
// text and "|" ends a field, so either would lose every later setting.
bool IsHeaderSeparator(char32_t c);
std::string WithoutHeaderSeparators(std::string_view keyword);

// The header fields as a reader finds them: the text is cut at its first space and
// trimmed, then up to five fields, each ended by "|", are taken in order. A field
// without its "|" and everything after the fifth are not fields.
std::vector<std::string> ReadHeaderFields(CodePage936& codePage, std::string_view block);

// The window-kind flag of a fifth field: true = other windows; empty when it is not a
// number (which stops a load before any record).
std::optional<bool> ReadKindFlag(std::string_view field);

std::string EncodeRecord(CodePage936& codePage, const Instruction& instruction);
Instruction DecodeRecord(CodePage936& codePage, std::string_view block);

// Every whole block of a file after the header, including any beyond the 230 a Script
// may hold; the length of a trailing partial block.
struct GmxBlocks {
    std::string_view header;  // short when the file is shorter than one block
    std::vector<std::string_view> records;
    std::size_t trailingBytes = 0;
};
GmxBlocks SplitBlocks(std::string_view file);

}  // namespace tavo
