#include "layer_table.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace tavo::layers {
namespace {

constexpr std::string_view kHeading = "## Layers";
constexpr std::string_view kNothing = "\xE2\x80\x94";  // "—": the row names no folder

std::string_view Trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start <= text.size();) {
        const auto end = std::min(text.find('\n', start), text.size());
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

[[noreturn]] void Fail(std::size_t lineIndex, const std::string& what) {
    throw std::runtime_error("line " + std::to_string(lineIndex + 1) + ": " + what);
}

FolderPattern ParsePattern(std::string_view token, std::size_t lineIndex) {
    FolderPattern pattern;
    if (token.ends_with("/*")) {
        pattern.withSubfolders = true;
        token.remove_suffix(2);
    }
    const bool bad = token.empty() || token.starts_with('/') || token.ends_with('/') ||
                     token.find_first_of("* \\") != std::string_view::npos ||
                     token == "src" || token.starts_with("src/");
    if (bad) Fail(lineIndex, "not a folder under src/: `" + std::string(token) + "`");
    pattern.folder = token;
    return pattern;
}

// The folders written in backticks in one cell; whatever else it holds may only be
// commas, blanks and the dash that names no folder.
std::vector<FolderPattern> ParseCell(std::string_view cell, std::size_t lineIndex) {
    std::vector<FolderPattern> patterns;
    std::string rest;
    for (std::size_t pos = 0; pos < cell.size();) {
        const auto open = cell.find('`', pos);
        rest += cell.substr(pos, open == std::string_view::npos ? open : open - pos);
        if (open == std::string_view::npos) break;
        const auto close = cell.find('`', open + 1);
        if (close == std::string_view::npos) Fail(lineIndex, "unclosed backtick");
        patterns.push_back(ParsePattern(cell.substr(open + 1, close - open - 1), lineIndex));
        pos = close + 1;
    }
    std::erase_if(rest, [](char c) { return c == ',' || c == ' ' || c == '\t' || c == '\r'; });
    if (!rest.empty() && !(patterns.empty() && rest == kNothing))
        Fail(lineIndex, "write folders in backticks, or " + std::string(kNothing) + " for none");
    return patterns;
}

LayerRow ParseRow(std::string_view line, std::size_t lineIndex) {
    std::vector<std::string_view> cells;
    for (std::size_t pos = 1; pos < line.size();) {
        const auto bar = std::min(line.find('|', pos), line.size());
        cells.push_back(Trim(line.substr(pos, bar - pos)));
        pos = bar + 1;
    }
    if (cells.size() < 2) Fail(lineIndex, "a row needs a folder and what it may include");
    const auto from = ParseCell(cells[0], lineIndex);
    if (from.size() != 1) Fail(lineIndex, "the first cell names exactly one folder");
    return {from.front(), ParseCell(cells[1], lineIndex)};
}

}  // namespace

bool FolderPattern::Covers(std::string_view other) const {
    if (other == folder) return true;
    return withSubfolders && other.size() > folder.size() && other.starts_with(folder) &&
           other[folder.size()] == '/';
}

const LayerRow* LayerTable::RowFor(std::string_view folder) const {
    const LayerRow* best = nullptr;
    for (const auto& row : rows) {
        if (!row.from.Covers(folder)) continue;
        if (!row.from.withSubfolders) return &row;
        if (!best || row.from.folder.size() > best->from.folder.size()) best = &row;
    }
    return best;
}

bool LayerTable::Allows(std::string_view from, std::string_view to) const {
    if (from == to) return true;
    const LayerRow* row = RowFor(from);
    if (!row) return false;
    for (const auto& pattern : row->allowed)
        if (pattern.Covers(to)) return true;
    return false;
}

LayerTable ParseLayerTable(std::string_view markdown) {
    const auto lines = Lines(markdown);
    const auto starts = [&](std::size_t at, std::string_view with) {
        return at < lines.size() && Trim(lines[at]).starts_with(with);
    };
    std::size_t i = 0;
    while (i < lines.size() && Trim(lines[i]) != kHeading) ++i;
    if (i == lines.size()) throw std::runtime_error("no \"" + std::string(kHeading) + "\" heading");
    do ++i; while (i < lines.size() && !starts(i, "|") && !starts(i, "#"));
    if (!starts(i, "|")) throw std::runtime_error("no table under the layers heading");
    if (!starts(i + 1, "|-")) Fail(i, "a table starts with a header row and a |---| row");
    LayerTable table;
    for (i += 2; starts(i, "|"); ++i) {
        auto row = ParseRow(Trim(lines[i]), i);
        for (const auto& earlier : table.rows)
            if (earlier.from.folder == row.from.folder &&
                earlier.from.withSubfolders == row.from.withSubfolders)
                Fail(i, "a second row for " + row.from.folder);
        table.rows.push_back(std::move(row));
    }
    if (table.rows.empty()) Fail(i, "the table has no rows");
    return table;
}

}  // namespace tavo::layers
