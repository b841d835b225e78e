#pragma once
// Where the skin draws on a window's frame, and what a point on it means. All in window
// coordinates (0,0 is the window's top left corner). The frame's sizes are the system's:
// the skin paints over the band the system gave the frame and the title bar, and leaves
// everything below the title bar inside the frame (menu bar, scroll bars, client area)
// to the system.
#include "skin/skin_theme.h"

namespace tavo::skin {

struct Point {
    int x = 0;
    int y = 0;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Empty() const { return right <= left || bottom <= top; }
    bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

enum class CaptionButton { None, Minimize, Maximize, Close };

struct FrameInput {
    int width = 0;  // the window's
    int height = 0;
    int border = 0;         // the frame's thickness on each side
    int captionBottom = 0;  // where the title bar ends and the system's part begins
    bool minimize = false;
    bool maximize = false;
    bool close = false;
    int iconSize = 0;  // 0: no icon
    ButtonMetrics metrics;
    int dpi = 96;
};

struct FrameLayout {
    Rect caption;
    Rect inside;  // left to the system
    Rect icon;
    Rect text;
    Rect minimize;
    Rect maximize;
    Rect close;

    Rect ButtonRect(CaptionButton button) const;
    CaptionButton ButtonAt(Point p) const;
};

// Nothing to draw (an empty caption) when the window is too small for a frame.
FrameLayout LayOutFrame(const FrameInput& input);

// What the system answered for a point, in the classes the skin cares about.
enum class NcHit { Other, Caption, Minimize, Maximize, Close, Help };

// The skin's buttons are where it draws them; where the system has buttons the skin does
// not show, the title bar is plain caption. Everything else keeps the system's answer.
NcHit ResolveHit(const FrameLayout& layout, Point p, NcHit system);

}  // namespace tavo::skin
