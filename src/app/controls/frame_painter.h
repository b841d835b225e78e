#pragma once
// The frame control's painter. Properties and colours come translated (no system colour
// references).
#include <windows.h>

#include "core/controls/frame_geometry.h"
#include "core/controls/frame_properties.h"

namespace tavo {

// The system colours a disabled frame is drawn in.
FrameSystemColours FrameSystemColoursNow();

// One paint of the frame over `client`: cleared to BackColor, the style, the caption and,
// except in styles 0, 5 and 6, the picture (an icon, not owned; null for none) at
// IconSize, greyed while disabled. `captionSize` is the last measured caption size; an
// empty caption keeps it.
void PaintFrame(HDC dc, const RECT& client, const FrameProperties& p,
                const FrameWorkingColours& colours, HFONT font, HICON picture, SIZE& captionSize);

// PaintFrame for a window's WM_PAINT, drawn off screen first so it never flickers.
void PaintFrameWindow(HWND window, const FrameProperties& p, const FrameWorkingColours& colours,
                      HFONT font, HICON picture, SIZE& captionSize);

}  // namespace tavo
