#include "cli/header_text.h"

#include <charconv>
#include <cstdint>

#include "core/model/instruction_fields.h"
#include "core/model/cp936_field.h"

namespace tavo::cli {
namespace {

// The settings hold 32 bits, as long does on Windows: a wider number is no setting the
// program writes, and JSON would refuse it.
std::optional<long> WholeNumber(std::string_view text) {
    std::int32_t value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// Splits off the last "|"-ended field; empty when there is no "|" before it.
std::optional<std::string_view> TakeLastField(std::string_view& text) {
    const auto bar = text.rfind('|');
    if (bar == std::string_view::npos) return std::nullopt;
    const std::string_view field = text.substr(bar + 1);
    text = text.substr(0, bar);
    return field;
}

}  // namespace

std::string HeaderText(CodePage936& codePage, std::string_view block) {
    return WithoutPadding(codePage.Decode(WithoutDanglingLead(block)));
}

std::optional<GmxHeader> ExactSettings(CodePage936& codePage, std::string_view block) {
    const std::string text = HeaderText(codePage, block);
    if (text.empty() || text.back() != '|') return std::nullopt;
    std::string_view rest(text.data(), text.size() - 1);
    std::optional<long> numbers[4];
    for (int i = 3; i >= 0; --i) {
        const auto field = TakeLastField(rest);
        if (!field) return std::nullopt;
        numbers[i] = WholeNumber(*field);
        if (!numbers[i]) return std::nullopt;
    }
    if (*numbers[3] != 0 && *numbers[3] != 1) return std::nullopt;
    GmxHeader header{std::string(rest), *numbers[0], *numbers[1], *numbers[2], *numbers[3] == 1};
    if (EncodeHeader(codePage, header) != block) return std::nullopt;
    return header;
}

}  // namespace tavo::cli
