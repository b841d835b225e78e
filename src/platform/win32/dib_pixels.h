#pragma once
// 32-bit top-down device-independent bitmaps, the form pixels take between GDI and the
// core's 0x00BBGGRR pictures.
#include <windows.h>

#include <cstdint>

namespace tavo {

inline BITMAPINFO TopDown32BitInfo(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // negative: first row on top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A 32-bit DIB pixel is 0x00RRGGBB, a COLORREF 0x00BBGGRR: red and blue trade places,
// both ways.
constexpr std::uint32_t SwapRedBlue(std::uint32_t pixel) {
    return (pixel & 0x00FF00) | ((pixel >> 16) & 0xFF) | ((pixel & 0xFF) << 16);
}

}  // namespace tavo
