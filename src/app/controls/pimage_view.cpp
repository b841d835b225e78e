#include "app/controls/pimage_view.h"

#include <cstddef>
#include <vector>

#include "platform/win32/dib_pixels.h"

namespace tavo {

void PimageView::Update(std::uint64_t blockSerial) {
    if (!control_ || blockSerial == shownSerial_) return;
    shownSerial_ = blockSerial;
    InvalidateRect(control_, nullptr, FALSE);
}

// StretchDIBits draws straight from memory: no GDI object to make or release.
void PimageView::Draw(const DRAWITEMSTRUCT& item, const Picture& block) {
    if (block.width <= 0 || block.height <= 0) return;
    std::vector<std::uint32_t> dib(block.pixels.size());
    for (std::size_t i = 0; i < dib.size(); ++i) dib[i] = SwapRedBlue(block.pixels[i]);
    const BITMAPINFO info = TopDown32BitInfo(block.width, block.height);
    const RECT& r = item.rcItem;
    const int oldMode = SetStretchBltMode(item.hDC, COLORONCOLOR);  // whole pixels, no blending
    StretchDIBits(item.hDC, r.left, r.top, r.right - r.left, r.bottom - r.top, 0, 0, block.width,
                  block.height, dib.data(), &info, DIB_RGB_COLORS, SRCCOPY);
    if (oldMode) SetStretchBltMode(item.hDC, oldMode);
}

}  // namespace tavo
