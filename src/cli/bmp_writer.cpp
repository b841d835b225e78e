#include "cli/bmp_writer.h"

#include <cstdint>

namespace tavo::cli {
namespace {

constexpr std::uint32_t kFileHeaderBytes = 14;
constexpr std::uint32_t kInfoHeaderBytes = 40;

void Put(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

}  // namespace

std::string WriteBmp(const Picture& picture) {
    const std::uint32_t rowBytes = (static_cast<std::uint32_t>(picture.width) * 3 + 3) / 4 * 4;
    const std::uint32_t dataBytes = rowBytes * static_cast<std::uint32_t>(picture.height);
    std::string out = "BM";
    Put(out, kFileHeaderBytes + kInfoHeaderBytes + dataBytes, 4);
    Put(out, 0, 4);
    Put(out, kFileHeaderBytes + kInfoHeaderBytes, 4);
    Put(out, kInfoHeaderBytes, 4);
    Put(out, static_cast<std::uint32_t>(picture.width), 4);
    Put(out, static_cast<std::uint32_t>(picture.height), 4);  // positive: bottom-up
    Put(out, 1, 2);                                          // planes
    Put(out, 24, 2);                                         // bits per pixel
    Put(out, 0, 4);                                          // BI_RGB
    Put(out, dataBytes, 4);
    for (int i = 0; i < 4; ++i) Put(out, 0, 4);  // resolution, palette
    for (int y = picture.height - 1; y >= 0; --y) {
        const std::size_t start = out.size();
        for (int x = 0; x < picture.width; ++x) {
            const auto c = static_cast<std::uint32_t>(picture.At(x, y));
            out += static_cast<char>((c >> 16) & 0xFF);  // blue
            out += static_cast<char>((c >> 8) & 0xFF);
            out += static_cast<char>(c & 0xFF);  // red
        }
        out.append(rowBytes - (out.size() - start), '\0');
    }
    return out;
}

}  // namespace tavo::cli
