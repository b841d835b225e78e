#include "platform/win32/dib_surface.h"

#include <cstddef>

#include "platform/win32/dib_pixels.h"

namespace tavo {

bool DibSurface::Prepare(int width, int height) {
    if (bits_ && width == width_ && height == height_) return true;
    Release();
    const BITMAPINFO info = TopDown32BitInfo(width, height);
    void* bits = nullptr;
    dc_.Reset(CreateCompatibleDC(nullptr));
    if (!dc_) return false;
    bitmap_.Reset(CreateDIBSection(dc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_ || !bits) {
        Release();
        return false;
    }
    previous_ = SelectObject(dc_.Get(), bitmap_.Get());
    bits_ = static_cast<const std::uint32_t*>(bits);
    width_ = width;
    height_ = height;
    return true;
}

std::uint32_t DibSurface::At(int x, int y) const {
    const std::size_t index = static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                              static_cast<std::size_t>(x);
    return SwapRedBlue(bits_[index]);
}

void DibSurface::Release() {
    if (dc_ && previous_ && previous_ != HGDI_ERROR) SelectObject(dc_.Get(), previous_);
    previous_ = nullptr;
    bitmap_.Reset();
    dc_.Reset();
    bits_ = nullptr;
    width_ = height_ = 0;
}

}  // namespace tavo
