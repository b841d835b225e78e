#pragma once
// Copies of another program's client-area drawing through GDI. Every object a whole-area
// capture makes is released by that capture, on every path; the region captures keep
// their two surfaces while the sizes stay.
#include <windows.h>

#include "platform/win32/dib_surface.h"
#include "platform/window_capture.h"

namespace tavo {

class Win32WindowCapture final : public WindowCapture {
public:
    // The window whose display the memory surfaces match; none: the screen's.
    void SetReferenceWindow(HWND window) { reference_ = window; }

    ClientSize ClientArea(WindowHandle window) override;
    Picture PrintClient(WindowHandle window) override;
    Picture CopyClientFromScreen(WindowHandle window) override;
    Picture PrintClientRegion(WindowHandle window, ClientRect region) override;
    Picture CopyClientRegionFromScreen(WindowHandle window, ClientRect region) override;

private:
    HWND reference_ = nullptr;
    DibSurface print_;   // the client area's size
    DibSurface screen_;  // the region's size
};

// PrintWindow's flags: the whole content (PW_RENDERFULLCONTENT) where the system knows
// it, from Windows 8.1 on; the plain client area before.
UINT PrintWindowFlags();

}  // namespace tavo
