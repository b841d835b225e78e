#pragma once
// A window's frame as the system made it, measured for the skin: where the title bar and
// the caption buttons lie, and what the title bar shows.
#include <windows.h>

#include <optional>
#include <string>

#include "skin/skin_geometry.h"

namespace tavo::skin {

struct FrameGeometry {
    FrameLayout layout;
    RECT window{};  // on the screen
    bool toolWindow = false;
};

// Nothing when the skin leaves the window to the system: no title bar, minimised, or a
// frame of the program's own making (its client area reaches into the system's frame).
std::optional<FrameGeometry> MeasureFrame(HWND window, const ButtonMetrics& metrics);

Point ToWindowPoint(const FrameGeometry& frame, POINT screen);

// What the title bar shows, read when it is drawn.
struct CaptionContent {
    HICON icon = nullptr;  // not owned
    std::wstring text;
    bool maximized = false;
    bool closeEnabled = true;
};

CaptionContent ReadCaptionContent(HWND window);
bool CloseEnabled(HWND window);

}  // namespace tavo::skin
