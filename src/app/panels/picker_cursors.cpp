#include "app/panels/picker_cursors.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace tavo {
namespace {

// 0xAARRGGBB; alpha 0 is see-through.
using Argb = std::uint32_t;
constexpr Argb kClear = 0;
constexpr Argb kInk = 0xFF202020;
constexpr Argb kHalo = 0xFFFFFFFF;

Argb ColourOf(char c) {
    switch (c) {
        case 'K': return kInk;
        case 'W': return kHalo;
        case 'R': return 0xFFDC1E1E;  // red
        case 'B': return 0xFF285AB4;  // blue
        case 'S': return 0xFF96C8F5;  // sky
        case 'G': return 0xFF28963C;  // green
        case 'Y': return 0xFFFAC828;  // sun
        default: return kClear;
    }
}

class CursorCanvas {
public:
    explicit CursorCanvas(int size)
        : size_(size), pixels_(static_cast<std::size_t>(size * size), kClear) {}

    void Put(int x, int y, Argb colour) {
        if (x >= 0 && y >= 0 && x < size_ && y < size_) At(x, y) = colour;
    }
    void HLine(int x1, int x2, int y, Argb colour) {
        for (int x = x1; x <= x2; ++x) Put(x, y, colour);
    }
    void VLine(int x, int y1, int y2, Argb colour) {
        for (int y = y1; y <= y2; ++y) Put(x, y, colour);
    }
    // A small picture, one letter a pixel (see ColourOf), its top-left corner at (x, y).
    template <std::size_t N>
    void Stamp(int x, int y, const std::string_view (&rows)[N]) {
        for (std::string_view row : rows) {
            for (std::size_t i = 0; i < row.size(); ++i)
                if (ColourOf(row[i]) != kClear) Put(x + static_cast<int>(i), y, ColourOf(row[i]));
            ++y;
        }
    }
    // A white rim around the ink, so the pointer shows on dark and light screens alike.
    void Halo() {
        const std::vector<Argb> ink = pixels_;
        const auto inked = [&](int x, int y) {
            return x >= 0 && y >= 0 && x < size_ && y < size_ &&
                   ink[static_cast<std::size_t>(y * size_ + x)] == kInk;
        };
        for (int y = 0; y < size_; ++y)
            for (int x = 0; x < size_; ++x)
                if (At(x, y) == kClear &&
                    (inked(x - 1, y) || inked(x + 1, y) || inked(x, y - 1) || inked(x, y + 1)))
                    At(x, y) = kHalo;
    }

    UniqueIcon Make(POINT hotspot) const;

private:
    Argb& At(int x, int y) { return pixels_[static_cast<std::size_t>(y * size_ + x)]; }

    int size_;
    std::vector<Argb> pixels_;
};

// A 32-bit colour image with its alpha, and the AND mask for displays that ignore alpha.
UniqueIcon CursorCanvas::Make(POINT hotspot) const {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size_;
    info.bmiHeader.biHeight = -size_;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap colour(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!colour || !bits) return {};
    // Mask rows are padded to 16 bits; a set bit leaves the screen as it is.
    const int stride = (size_ + 15) / 16 * 2;
    std::vector<BYTE> mask(static_cast<std::size_t>(stride * size_), 0);
    auto* out = static_cast<Argb*>(bits);
    for (int y = 0; y < size_; ++y) {
        for (int x = 0; x < size_; ++x) {
            const Argb pixel = pixels_[static_cast<std::size_t>(y * size_ + x)];
            out[y * size_ + x] = pixel;  // BGRA in memory is 0xAARRGGBB as a number
            if (pixel != kClear) continue;
            const auto bit = static_cast<BYTE>(0x80 >> (x % 8));
            mask[static_cast<std::size_t>(y * stride + x / 8)] |= bit;
        }
    }
    GdiFlush();
    UniqueBitmap andMask(CreateBitmap(size_, size_, 1, 1, mask.data()));
    if (!andMask) return {};
    ICONINFO icon{FALSE, static_cast<DWORD>(hotspot.x), static_cast<DWORD>(hotspot.y),
                  andMask.Get(), colour.Get()};
    return UniqueIcon(CreateIconIndirect(&icon));  // copies both bitmaps
}

constexpr std::string_view kArrow[] = {
    "K",
    "KK",
    "KWK",
    "KWWK",
    "KWWWK",
    "KWWWWK",
    "KWWWWWK",
    "KWWKKKK",
    "KWK",
    "KK",
    "K",
};

// A landscape in a frame: the picture that recognition takes.
constexpr std::string_view kPicture[] = {
    "KKKKKKKKK",
    "KSSSSSYYK",
    "KSSSSSYYK",
    "KSSGSSSSK",
    "KSGGGSSGK",
    "KGGGGGGGK",
    "KGGGGGGGK",
    "KKKKKKKKK",
};

// A crosshair through (16, 16) with its middle open, so the point itself stays visible.
void DrawCrosshair(CursorCanvas& c) {
    c.VLine(16, 1, 11, kInk);
    c.VLine(16, 21, 31, kInk);
    c.HLine(1, 11, 16, kInk);
    c.HLine(21, 31, 16, kInk);
    c.Put(16, 16, ColourOf('R'));
}

UniqueIcon RecognitionCursor() {
    CursorCanvas c(32);
    DrawCrosshair(c);
    // The block that will be taken around the point.
    for (int edge : {12, 20}) {
        c.HLine(12, 20, edge, ColourOf('B'));
        c.VLine(edge, 12, 20, ColourOf('B'));
    }
    c.Stamp(22, 22, kPicture);
    c.Halo();
    return c.Make({16, 16});
}

UniqueIcon ClickCursor() {
    CursorCanvas c(32);
    DrawCrosshair(c);
    c.Stamp(22, 19, kArrow);
    c.Halo();
    return c.Make({16, 16});
}

// An arrow pointing at the node to jump to, and a node in the colour of the outcome.
UniqueIcon JumpCursor(Argb outcome) {
    CursorCanvas c(16);
    c.Stamp(0, 0, kArrow);
    c.HLine(8, 15, 8, kInk);
    c.HLine(8, 15, 15, kInk);
    c.VLine(8, 9, 14, kInk);
    c.VLine(15, 9, 14, kInk);
    for (int y = 9; y <= 14; ++y) c.HLine(9, 14, y, outcome);
    c.HLine(10, 13, 11, kHalo);  // the node's caption
    c.HLine(10, 12, 13, kHalo);
    c.Halo();
    return c.Make({0, 0});
}

}  // namespace

UniqueIcon MakePickerCursor(Picker picker) {
    switch (picker) {
        case Picker::Comm2: return RecognitionCursor();
        case Picker::Comm4: return ClickCursor();
        case Picker::CommT1: return JumpCursor(ColourOf('G'));
        case Picker::CommT2: return JumpCursor(ColourOf('R'));
    }
    return {};
}

}  // namespace tavo
