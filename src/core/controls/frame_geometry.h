#pragma once
// Where the frame control draws: the header tab of style 5, the group box of styles 0 and
// 7, the folder tab of style 6, the caption box of the header styles, the icon beside the
// caption, the caption shortened to its rectangle, and the control's minimum size. Pixels
// within the control's client area.
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "core/controls/frame_properties.h"

namespace tavo {

struct FramePoint {
    int x = 0, y = 0;
    bool operator==(const FramePoint&) const = default;
};

struct FrameRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const FrameRect&) const = default;
};

// Layout constants shared by the styles.
inline constexpr int kFrameSlantMargin = 15;
inline constexpr int kFrameIconGap = 6;
inline constexpr int kFrameInnerMargin = 3;
inline constexpr int kFrameCornerDiameter = 10;
inline constexpr int kFrameLabelEdge = 27;  // the icon's distance from the edge in style 2
inline constexpr int kFrameAccentHeight = 4;   // style 4's strip over the caption box
inline constexpr int kFrameLargeCorner = 20;   // style 8's rounded body and window region

// To the nearest integer, halves to even.
int FrameNearest(double value);

struct FrameTabGeometry {  // style 5
    FrameRect body;        // outlined inclusively, as RoundRect takes it
    int corner = 0;
    int tabWidth = 0, tabHeight = 0;
    std::array<FramePoint, 4> tab;  // P0..P3
    FrameRect caption;
};

FrameTabGeometry FrameTabLayout(int width, int height, bool rounded, int textWidth,
                                int textHeight);

struct FrameGroupGeometry {  // style 0
    FrameRect body;
    int corner = 0;
    bool hasCaption = false;
    FramePoint openFrom, openTo;  // the top border opened behind the caption
    FrameRect caption;
};

FrameGroupGeometry FrameGroupLayout(int width, int height, bool rounded,
                                    std::int32_t alignment, bool hasCaption, int textWidth,
                                    int textHeight);

struct FrameBandGeometry {  // the other styles: a header band across the top
    FrameRect body;
    FrameRect band;
    int corner = 0;
    FrameRect caption;
};

// Header style 0 runs the band across the top; 1 floats it inside the body, the inner
// margin away from its edges.
FrameBandGeometry FrameBandLayout(int width, int height, bool rounded, int bandHeight,
                                  std::int32_t headerStyle = 0);

// The header styles 1-4 and 8: the body, the caption box (the header band, style 2's
// label box), what comes with them, and where the caption and the icon go.
struct FrameHeaderGeometry {
    FrameRect body;
    int corner = 0;
    FrameRect box;
    int boxCorner = 0;
    bool boxOutlined = false;  // all round; otherwise only a divider under it
    FrameRect accent;          // style 4's strip; empty in the others
    FrameRect shadow;          // style 2's box moved by TxtBoxShadow; empty when none
    FrameRect caption;
    int iconTop = 0;           // centred vertically in the box
};

FrameHeaderGeometry FrameHeaderLayout(int width, int height, const FrameProperties& p);

// Style 6: a folder tab with rounded top corners standing on the body's top-left, and a
// strip in the tab's colour along the body's top edge.
struct FrameFolderGeometry {
    FrameRect tab;   // reaches a corner's depth into the body, so only its top is rounded
    FrameRect body;
    int corner = 0;
    FrameRect strip;
    FrameRect caption;
    int iconTop = 0;
};

FrameFolderGeometry FrameFolderLayout(int width, int height, bool rounded, int textWidth,
                                      int textHeight, int iconSize);

struct FrameIconPlacement {
    FrameRect caption;  // what is left of the caption rectangle
    FramePoint icon;    // the icon's top-left corner
    bool operator==(const FrameIconPlacement&) const = default;
};

// Room for the icon in the caption rectangle, before the caption (iconAlignment 0) or at
// the right end (1); `drawnTop` is where the style's drawing put the icon's top.
FrameIconPlacement FramePlaceIcon(FrameRect caption, int width, std::int32_t style,
                                  std::int32_t alignment, std::int32_t iconAlignment,
                                  int iconSize, int drawnTop);

// Width of a UTF-8 text in pixels, as the caller's font measures it.
using FrameMeasure = std::function<int(const std::string&)>;

// The caption as it fits into `available` pixels: whole, or cut and followed by "...",
// or empty when not one character fits.
std::string FrameShortenCaption(const std::string& caption, int available,
                                const FrameMeasure& measure);

struct FrameTwipsSize {
    int width = 0, height = 0;
    bool operator==(const FrameTwipsSize&) const = default;
};

inline constexpr int kFrameMinWidthTwips = 700;
inline constexpr int kFrameMinHeightTwips = 400;

FrameTwipsSize FrameMinimumSize(FrameTwipsSize size);

}  // namespace tavo
