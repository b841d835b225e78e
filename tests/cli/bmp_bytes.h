#pragma once
// BMP file images built byte by byte, independent of the reader under test.
#include <cstdint>
#include <string>
#include <vector>

namespace tavo::cli::test {

inline constexpr char kPaddingByte = '\xEE';  // row padding: must never show as a pixel
inline constexpr char kAlphaByte = '\xAB';    // fourth byte of 32-bit pixels: ignored

inline void PutLe(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out += static_cast<char>(value >> (8 * i) & 0xFF);
}

struct BmpImage {
    std::int32_t width = 0;
    std::int32_t height = 0;  // negative: rows stored top-down
    int bits = 24;
    std::uint32_t compression = 0;
    std::uint32_t headerSize = 40;
    std::vector<std::uint32_t> masks;  // written right after the first 40 header bytes
    std::vector<std::uint32_t> pixels;  // top row first, 0x00BBGGRR
    int planes = 1;
    int offsetShift = 0;  // added to the true pixel data offset
};

inline std::string PixelRows(const BmpImage& image) {
    const int rows = image.height < 0 ? -image.height : image.height;
    const int bytesPerPixel = image.bits / 8;
    const int used = image.width * bytesPerPixel;
    const int stride = (used + 3) / 4 * 4;
    std::string data;
    for (int r = 0; r < rows; ++r) {
        const int y = image.height < 0 ? r : rows - 1 - r;  // bottom-up files start at the bottom
        for (int x = 0; x < image.width; ++x) {
            const std::uint32_t p = image.pixels[static_cast<std::size_t>(y * image.width + x)];
            data += static_cast<char>(p >> 16 & 0xFF);  // blue, green, red
            data += static_cast<char>(p >> 8 & 0xFF);
            data += static_cast<char>(p & 0xFF);
            if (bytesPerPixel == 4) data += kAlphaByte;
        }
        data.append(static_cast<std::size_t>(stride - used), kPaddingByte);
    }
    return data;
}

inline std::string InfoHeader(const BmpImage& image) {
    std::string header;
    PutLe(header, image.headerSize, 4);
    PutLe(header, static_cast<std::uint32_t>(image.width), 4);
    PutLe(header, static_cast<std::uint32_t>(image.height), 4);
    PutLe(header, static_cast<std::uint32_t>(image.planes), 2);
    PutLe(header, static_cast<std::uint32_t>(image.bits), 2);
    PutLe(header, image.compression, 4);
    header.append(20, '\0');  // image size, resolution, palette counts
    for (std::uint32_t mask : image.masks) PutLe(header, mask, 4);
    if (header.size() < image.headerSize) header.resize(image.headerSize, '\0');
    return header;
}

inline std::string BmpFile(const BmpImage& image) {
    const std::string header = InfoHeader(image);
    const std::string data = image.pixels.empty() ? std::string() : PixelRows(image);
    const std::size_t offset = 14 + header.size();
    std::string file = "BM";
    PutLe(file, static_cast<std::uint32_t>(offset + data.size()), 4);
    PutLe(file, 0, 4);
    PutLe(file, static_cast<std::uint32_t>(static_cast<int>(offset) + image.offsetShift), 4);
    return file + header + data;
}

}  // namespace tavo::cli::test
