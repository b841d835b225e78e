#include "cli/file_io.h"

#include <fstream>
#include <iterator>
#include <system_error>
#include <utility>

#include "platform/atomic_file.h"

namespace tavo::cli {
namespace {

std::string Shown(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    std::string shown(1, '"');
    shown.append(text.begin(), text.end());
    shown += '"';
    return shown;
}

}  // namespace

std::filesystem::path PathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string ReadWholeFile(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) throw IoError(Shown(path) + " is a folder");
    std::ifstream in(path, std::ios::binary);
    if (!in) throw IoError("cannot open " + Shown(path));
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw IoError("cannot read " + Shown(path));
    return bytes;
}

void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    const std::u8string utf8 = path.u8string();
    FileWriteResult written = ReplaceFileAtomically(std::string(utf8.begin(), utf8.end()), bytes);
    if (!written.ok) throw IoError(std::move(written.error));
}

}  // namespace tavo::cli
