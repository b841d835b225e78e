#pragma once
// A window whose drawing is a given picture; the screen shows another.
#include "platform/window_capture.h"

namespace tavo::testing {

class FakeCapture : public WindowCapture {
public:
    Picture printed, screen;
    int prints = 0, screenCopies = 0;
    ClientSize ClientArea(WindowHandle) override { return {printed.width, printed.height}; }
    Picture PrintClient(WindowHandle) override { return ++prints, printed; }
    Picture CopyClientFromScreen(WindowHandle) override { return ++screenCopies, screen; }
    Picture PrintClientRegion(WindowHandle, ClientRect region) override {
        return ++prints, Region(printed, region);
    }
    Picture CopyClientRegionFromScreen(WindowHandle, ClientRect region) override {
        return ++screenCopies, Region(screen, region);
    }

private:
    // The region of a picture of the client area; black outside it.
    static Picture Region(const Picture& whole, ClientRect region) {
        Picture block(region.width, region.height);
        for (int dy = 0; dy < region.height; ++dy)
            for (int dx = 0; dx < region.width; ++dx) {
                const std::int64_t pixel = whole.At(region.x + dx, region.y + dy);
                if (pixel >= 0) block.Set(dx, dy, static_cast<std::uint32_t>(pixel));
            }
        return block;
    }
};

}  // namespace tavo::testing
