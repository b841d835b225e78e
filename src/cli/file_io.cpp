#include "cli/file_io.h"

#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

namespace tavo::cli {
namespace {

std::string Shown(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    std::string shown(1, '"');
    shown.append(text.begin(), text.end());
    shown += '"';
    return shown;
}

std::filesystem::path TemporaryBeside(const std::filesystem::path& path) {
    std::random_device random;
    std::filesystem::path temporary = path;
    temporary += ".tmp-" + std::to_string(random() % 1000000000u);
    return temporary;
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
    const std::filesystem::path temporary = TemporaryBeside(path);
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) throw IoError("cannot create " + Shown(temporary));
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            throw IoError("cannot write " + Shown(temporary));
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::error_code ignored;
        std::filesystem::remove(temporary, ignored);
        throw IoError("cannot replace " + Shown(path) + ": " + error.message());
    }
}

}  // namespace tavo::cli
