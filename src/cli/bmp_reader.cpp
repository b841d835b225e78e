#include "cli/bmp_reader.h"

#include <cstdint>
#include <string>

namespace tavo::cli {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER; later versions extend it
constexpr std::uint32_t kBiRgb = 0, kBiBitfields = 3;
constexpr std::uint32_t kRedMask = 0x00FF0000, kGreenMask = 0x0000FF00, kBlueMask = 0x000000FF;

struct Layout {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bytesPerPixel = 0;
    std::size_t rowStride = 0;
    std::size_t pixelOffset = 0;
};

std::uint32_t U16(std::string_view bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
}

std::uint32_t U32(std::string_view bytes, std::size_t at) {
    return U16(bytes, at) | U16(bytes, at + 2) << 16;
}

void Require(bool condition, const std::string& message) {
    if (!condition) throw BmpError(message);
}

// The masks follow a BITMAPINFOHEADER; later headers hold them at the same place inside.
void CheckBitfields(std::string_view bytes, std::uint32_t headerSize) {
    const std::size_t at = kFileHeaderSize + kInfoHeaderSize;
    Require(bytes.size() >= at + 12 && (headerSize == kInfoHeaderSize || headerSize >= 52),
            "truncated file: the BI_BITFIELDS colour masks are missing");
    Require(U32(bytes, at) == kRedMask && U32(bytes, at + 4) == kGreenMask &&
                U32(bytes, at + 8) == kBlueMask,
            "unsupported BI_BITFIELDS masks: only red 0x00FF0000, green 0x0000FF00, blue "
            "0x000000FF are read");
}

// Returns how many bytes of colour masks follow the header.
std::size_t CheckFormat(std::string_view bytes, std::uint32_t headerSize, int bitsPerPixel) {
    const std::uint32_t planes = U16(bytes, kFileHeaderSize + 12);
    const std::uint32_t compression = U32(bytes, kFileHeaderSize + 16);
    Require(planes == 1, "bad BMP: " + std::to_string(planes) + " colour planes (must be 1)");
    Require(bitsPerPixel == 24 || bitsPerPixel == 32,
            "unsupported bit depth " + std::to_string(bitsPerPixel) + ": only 24 and 32 are read");
    if (compression == kBiBitfields && bitsPerPixel == 32) {
        CheckBitfields(bytes, headerSize);
        return headerSize == kInfoHeaderSize ? 12 : 0;
    }
    Require(compression == kBiRgb, "unsupported compression " + std::to_string(compression) +
                                       ": only uncompressed BI_RGB (and BI_BITFIELDS at 32 bits) "
                                       "is read");
    return 0;
}

constexpr const char* kShortHeader = "truncated file: the header is incomplete";

// The info header's size field, checked to be one this reader understands.
std::uint32_t ReadHeaderSize(std::string_view bytes) {
    Require(bytes.size() >= 2 && bytes.substr(0, 2) == "BM",
            "not a BMP file (no \"BM\" at the start)");
    Require(bytes.size() >= kFileHeaderSize + 4, kShortHeader);
    const std::uint32_t headerSize = U32(bytes, kFileHeaderSize);
    Require(headerSize >= kInfoHeaderSize, "unsupported BMP header of " +
                                               std::to_string(headerSize) +
                                               " bytes (at least 40 needed)");
    Require(bytes.size() >= kFileHeaderSize + kInfoHeaderSize, kShortHeader);
    return headerSize;
}

void ReadSize(std::string_view bytes, Layout& layout) {
    const auto width = static_cast<std::int32_t>(U32(bytes, kFileHeaderSize + 4));
    const auto height = static_cast<std::int32_t>(U32(bytes, kFileHeaderSize + 8));
    const auto rows = height < 0 ? -static_cast<std::int64_t>(height) : std::int64_t{height};
    Require(width > 0 && width <= kMaxBmpSide && rows > 0 && rows <= kMaxBmpSide,
            "absurd image size " + std::to_string(width) + " x " + std::to_string(height) +
                " (each side must be 1.." + std::to_string(kMaxBmpSide) + ")");
    layout.width = width;
    layout.height = static_cast<int>(rows);
    layout.topDown = height < 0;
}

Layout ReadLayout(std::string_view bytes) {
    const std::uint32_t headerSize = ReadHeaderSize(bytes);
    Layout layout;
    ReadSize(bytes, layout);
    const auto bits = static_cast<int>(U16(bytes, kFileHeaderSize + 14));
    const std::size_t masks = CheckFormat(bytes, headerSize, bits);
    layout.bytesPerPixel = bits / 8;
    const std::size_t rowBits = static_cast<std::size_t>(layout.width) * static_cast<std::size_t>(bits);
    layout.rowStride = (rowBits + 31) / 32 * 4;  // rows are padded to 4 bytes
    layout.pixelOffset = U32(bytes, 10);
    Require(layout.pixelOffset >= kFileHeaderSize + headerSize + masks,
            "bad BMP: the pixel data offset " + std::to_string(layout.pixelOffset) +
                " lies inside the headers");
    return layout;
}

void RequirePixelData(std::string_view bytes, const Layout& layout) {
    const std::size_t dataSize = layout.rowStride * static_cast<std::size_t>(layout.height);
    Require(layout.pixelOffset <= bytes.size() && bytes.size() - layout.pixelOffset >= dataSize,
            "truncated file: the pixels need " + std::to_string(dataSize) + " bytes from offset " +
                std::to_string(layout.pixelOffset) + ", the file has " +
                std::to_string(bytes.size()));
}

}  // namespace

Picture ReadBmp(std::string_view bytes) {
    const Layout layout = ReadLayout(bytes);
    RequirePixelData(bytes, layout);
    const auto step = static_cast<std::size_t>(layout.bytesPerPixel);
    Picture picture(layout.width, layout.height);
    for (int y = 0; y < layout.height; ++y) {
        const int fileRow = layout.topDown ? y : layout.height - 1 - y;
        std::size_t at = layout.pixelOffset + static_cast<std::size_t>(fileRow) * layout.rowStride;
        for (int x = 0; x < layout.width; ++x, at += step) {
            const std::uint32_t blue = static_cast<unsigned char>(bytes[at]);
            const std::uint32_t green = static_cast<unsigned char>(bytes[at + 1]);
            const std::uint32_t red = static_cast<unsigned char>(bytes[at + 2]);
            picture.Set(x, y, blue << 16 | green << 8 | red);
        }
    }
    return picture;
}

}  // namespace tavo::cli
