#pragma once
// A 32-bit top-down DIB section selected into a memory DC, whose pixels are read where
// they lie. Kept while its size stays, so a capture of a window of the same size makes
// no surface of its own; released when the size changes and with the owner.
#include <windows.h>

#include <cstdint>

#include "platform/win32/gdi_handles.h"

namespace tavo {

class DibSurface {
public:
    DibSurface() = default;
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;
    ~DibSurface() { Release(); }

    // Ready for width × height (positive): false when it cannot be made.
    bool Prepare(int width, int height);
    HDC Dc() const { return dc_.Get(); }
    // The pixel at (x, y), inside the surface, as 0x00BBGGRR; drawing must be flushed
    // (GdiFlush) before it is read.
    std::uint32_t At(int x, int y) const;

private:
    void Release();

    UniqueMemoryDc dc_;
    UniqueBitmap bitmap_;
    HGDIOBJ previous_ = nullptr;
    const std::uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace tavo
