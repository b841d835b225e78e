#include "core/model/gmx_format.h"

#include <charconv>

#include "core/model/cp936_field.h"
#include "core/model/instruction_fields.h"
#include "core/util/text.h"

namespace tavo {
namespace {

void PutInt16(std::string& out, std::int16_t v) {
    const auto u = static_cast<std::uint16_t>(v);
    out += static_cast<char>(u & 0xFF);
    out += static_cast<char>(u >> 8);
}

std::int16_t GetInt16(std::string_view bytes, std::size_t at) {
    const auto lo = static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]));
    const auto hi = static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at + 1]));
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8)));
}

}  // namespace

std::string EncodeHeader(CodePage936& codePage, const GmxHeader& header) {
    const std::string text = std::string(TrimSpaces(header.keyword)) + "|" +
                             std::to_string(header.minWidth) + "|" +
                             std::to_string(header.minHeight) + "|" +
                             std::to_string(header.maxWindows) + "|" +
                             (header.otherWindows ? "1" : "0") + "|";
    return EncodeField(codePage, text, kBlockSize);
}

bool IsHeaderSeparator(char32_t c) { return c == U' ' || c == U'|'; }

std::string WithoutHeaderSeparators(std::string_view keyword) {
    std::string kept;
    for (char c : keyword)
        if (!IsHeaderSeparator(static_cast<unsigned char>(c))) kept += c;
    return kept;
}

std::vector<std::string> ReadHeaderFields(CodePage936& codePage, std::string_view block) {
    std::string text = codePage.Decode(WithoutDanglingLead(block));
    text = std::string(TrimSpaces(text.substr(0, text.find(' '))));
    std::vector<std::string> fields;
    std::string_view rest(text);
    while (static_cast<int>(fields.size()) < kHeaderFieldCount) {
        const auto bar = rest.find('|');
        if (bar == std::string_view::npos) break;
        fields.emplace_back(rest.substr(0, bar));
        rest.remove_prefix(bar + 1);
    }
    return fields;
}

std::optional<bool> ReadKindFlag(std::string_view field) {
    field = TrimSpaces(field);
    if (!field.empty() && (field.front() == '+' || field.front() == '-')) field.remove_prefix(1);
    if (field.empty()) return std::nullopt;
    bool nonZero = false;
    for (char c : field) {
        if (c < '0' || c > '9') return std::nullopt;
        nonZero = nonZero || c != '0';
    }
    return nonZero;
}

std::string EncodeRecord(CodePage936& codePage, const Instruction& instruction) {
    std::string out;
    out.reserve(kBlockSize);
    for (const IntField& f : kIntFields) PutInt16(out, instruction.*(f.member));
    for (const TextField& f : kTextFields)
        out += EncodeField(codePage, instruction.*(f.member), f.width);
    return out;
}

Instruction DecodeRecord(CodePage936& codePage, std::string_view block) {
    Instruction in;
    std::size_t at = 0;
    for (const IntField& f : kIntFields) {
        in.*(f.member) = GetInt16(block, at);
        at += 2;
    }
    for (const TextField& f : kTextFields) {
        in.*(f.member) = DecodeField(codePage, block.substr(at, f.width), f.width);
        at += f.width;
    }
    return in;
}

GmxBlocks SplitBlocks(std::string_view file) {
    GmxBlocks blocks;
    blocks.header = file.substr(0, kBlockSize);
    if (file.size() <= kBlockSize) return blocks;
    std::size_t at = kBlockSize;
    for (; at + kBlockSize <= file.size(); at += kBlockSize)
        blocks.records.push_back(file.substr(at, kBlockSize));
    blocks.trailingBytes = file.size() - at;
    return blocks;
}

}  // namespace tavo
