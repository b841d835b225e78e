#pragma once
// The one way both tavo.exe and tavo-cli write a whole file: a failure at any point
// leaves the old file as it was, never a partly written one.
#include <string>
#include <string_view>

namespace tavo {

struct FileWriteResult {
    bool ok = false;
    // What failed, naming the file: `cannot create "<temporary>": <reason>`,
    // `cannot write "<temporary>": <reason>` or `cannot replace "<path>": <reason>`.
    std::string error;
};

// Writes `bytes` to a new temporary file in the folder of `utf8Path`, flushes it to the
// disk and only then renames it over `utf8Path` (which need not exist yet). On failure
// the temporary file is removed again.
FileWriteResult ReplaceFileAtomically(std::string_view utf8Path, std::string_view bytes);

}  // namespace tavo
