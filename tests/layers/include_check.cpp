#include "include_check.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <stdexcept>

namespace tavo::layers {
namespace fs = std::filesystem;
namespace {

constexpr std::array kScanned = {".h", ".hpp", ".c", ".cc", ".cpp", ".inl", ".rc"};

std::string_view SkipBlanks(std::string_view s) {
    const auto first = s.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string_view{} : s.substr(first);
}

bool Scanned(const fs::path& file) {
    const auto ext = file.extension().string();
    return std::find(kScanned.begin(), kScanned.end(), ext) != kScanned.end();
}

// The folder a path names, relative to the root; nothing when it is the root itself or
// lies outside it.
std::optional<std::string> FolderUnder(const fs::path& root, const fs::path& folder) {
    const auto relative = folder.lexically_normal().lexically_relative(root).generic_string();
    if (relative.empty() || relative == "." || relative.starts_with("..")) return std::nullopt;
    return relative;
}

// Where the compiler finds the include: a bare name beside the including file (its
// source folder or, when generated, its build folder); a path to an existing file beside
// the including file there; otherwise below the root, the file itself not needed
// (generated headers: "core/version.h" is in core).
std::optional<std::string> IncludedFolder(const fs::path& root, const std::string& from,
                                          const std::string& include) {
    const fs::path included(include);
    if (!included.has_parent_path()) return from;
    const fs::path beside = root / from / included;
    if (fs::is_regular_file(beside)) return FolderUnder(root, beside.parent_path());
    const fs::path folder = root / included.parent_path();
    if (fs::is_directory(folder)) return FolderUnder(root, folder);
    return std::nullopt;
}

void CheckFile(const LayerTable& table, const fs::path& root, const fs::path& file,
               CheckReport& report) {
    std::ifstream in(file, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + file.string());
    const auto from = FolderUnder(root, file.parent_path()).value_or(".");
    const auto shown = file.lexically_relative(root.parent_path()).generic_string();
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        const auto include = QuotedInclude(line);
        if (!include) continue;
        ++report.includesChecked;
        const auto to = IncludedFolder(root, from, *include);
        const auto where = shown + ":" + std::to_string(number) + ": " + from;
        if (!to)
            report.violations.push_back(where + " includes \"" + *include +
                                        "\", which is in no folder under src/");
        else if (!table.Allows(from, *to))
            report.violations.push_back(where + " may not include " + *to + " (\"" +
                                        *include + "\")");
    }
}

}  // namespace

std::optional<std::string> QuotedInclude(std::string_view line) {
    line = SkipBlanks(line);
    if (!line.starts_with('#')) return std::nullopt;
    line = SkipBlanks(line.substr(1));
    if (!line.starts_with("include")) return std::nullopt;
    line = SkipBlanks(line.substr(7));
    if (!line.starts_with('"')) return std::nullopt;
    const auto close = line.find('"', 1);
    if (close == std::string_view::npos) return std::nullopt;
    return std::string(line.substr(1, close - 1));
}

CheckReport CheckTree(const LayerTable& table, const fs::path& srcRoot) {
    fs::path root = fs::absolute(srcRoot).lexically_normal();
    if (!root.has_filename()) root = root.parent_path();
    if (!fs::is_directory(root)) throw std::runtime_error("no folder " + root.string());
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file() && Scanned(entry.path())) files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    CheckReport report;
    for (const auto& file : files) CheckFile(table, root, file, report);
    return report;
}

}  // namespace tavo::layers
