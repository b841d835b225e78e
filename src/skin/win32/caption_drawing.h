#pragma once
// Drawing the frame's parts into a DC that covers the whole window (0,0 its top left).
#include <windows.h>

#include "skin/button_tracker.h"
#include "skin/skin_theme.h"
#include "skin/win32/frame_metrics.h"

namespace tavo::skin {

struct FrameLook {
    const SkinTheme& theme;
    bool active;
    const StateColours& state;  // of that activation
};

void DrawBorder(HDC dc, const FrameGeometry& frame, const FrameLook& look);
void DrawTitleBar(HDC dc, const FrameGeometry& frame, const CaptionContent& content, const FrameLook& look);
void DrawCaptionButtons(HDC dc, const FrameGeometry& frame, const CaptionContent& content, const FrameLook& look,
                        const ButtonTracker& tracker);

void FillRectWith(HDC dc, const RECT& r, Rgb colour);
RECT ToRECT(const Rect& r);

}  // namespace tavo::skin
