#pragma once
// A window whose drawing is a given picture; the screen shows another.
#include "core/acting/recognition.h"
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
        return ++prints, CutRegion(printed, region);
    }
    Picture CopyClientRegionFromScreen(WindowHandle, ClientRect region) override {
        return ++screenCopies, CutRegion(screen, region);
    }
};

}  // namespace tavo::testing
