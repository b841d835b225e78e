#include "core/controls/frame_geometry.h"

#include <algorithm>
#include <cmath>

namespace tavo {
namespace {

int Corner(bool rounded) { return rounded ? kFrameCornerDiameter : 0; }

// Drops the last UTF-8 character.
void DropLastChar(std::string& text) {
    while (!text.empty()) {
        const auto byte = static_cast<unsigned char>(text.back());
        text.pop_back();
        if ((byte & 0xC0) != 0x80) return;
    }
}

}  // namespace

int FrameNearest(double value) {
    const double floor = std::floor(value);
    const double rest = value - floor;
    auto result = static_cast<long long>(floor);
    if (rest > 0.5 || (rest == 0.5 && result % 2 != 0)) ++result;
    return static_cast<int>(result);
}

FrameTabGeometry FrameTabLayout(int width, int height, bool rounded, int textWidth,
                                int textHeight) {
    FrameTabGeometry t;
    t.body = {0, 0, width - 1, height - 1};
    t.corner = Corner(rounded);
    t.tabHeight = textHeight + 5;
    const double halfTab = t.tabHeight / 2.0;
    t.tabWidth = std::max(textWidth + 10, 100);
    const int right = width - 1;
    if (t.tabWidth + halfTab >= right - kFrameSlantMargin)
        t.tabWidth = FrameNearest(right - halfTab - kFrameSlantMargin - 1);
    t.tab = {FramePoint{0, 0}, FramePoint{0, t.tabHeight}, FramePoint{t.tabWidth, t.tabHeight},
             FramePoint{FrameNearest(t.tabWidth + halfTab), 0}};
    t.caption = {8, 0, t.tabWidth, t.tabHeight + 2};
    return t;
}

FrameGroupGeometry FrameGroupLayout(int width, int height, bool rounded,
                                    std::int32_t alignment, bool hasCaption, int textWidth,
                                    int textHeight) {
    FrameGroupGeometry g;
    const int half = FrameNearest(textHeight / 2.0);
    g.body = {0, half, width - 1, height - 1};
    g.corner = Corner(rounded);
    g.hasCaption = hasCaption;
    if (!g.hasCaption) return g;
    int start = kFrameSlantMargin;
    if (alignment == 1)
        start = FrameNearest(width - textWidth - kFrameSlantMargin - kFrameIconGap - 1);
    else if (alignment == 2)
        start = FrameNearest((width - 1 - textWidth) / 2.0);
    g.openFrom = {start, half};
    g.openTo = {start + textWidth + 2 * kFrameInnerMargin, half};
    g.caption = {start + kFrameInnerMargin, 0, start + textWidth + kFrameInnerMargin, textHeight};
    return g;
}

FrameBandGeometry FrameBandLayout(int width, int height, bool rounded, int bandHeight,
                                  std::int32_t headerStyle) {
    FrameBandGeometry b;
    b.body = {0, 0, width - 1, height - 1};
    b.corner = Corner(rounded);
    const int inset = headerStyle == 1 ? kFrameInnerMargin : 0;
    b.band = {inset, inset, width - 1 - inset, std::min(bandHeight + inset, height - 1)};
    b.caption = {b.band.left + kFrameIconGap, b.band.top, b.band.right - kFrameIconGap, b.band.bottom};
    return b;
}

FrameIconPlacement FramePlaceIcon(FrameRect caption, int width, std::int32_t style,
                                  std::int32_t alignment, std::int32_t iconAlignment,
                                  int iconSize, int drawnTop) {
    const int room = kFrameIconGap + iconSize;
    const int edge = style == 2 ? kFrameLabelEdge : kFrameIconGap;
    const bool centred = alignment == 2;
    FrameIconPlacement placed{caption, {}};
    if (iconAlignment == 1) {
        placed.caption.right -= room;
        if (centred) placed.caption.left += room;
        placed.icon.x = width - edge - iconSize;
    } else {
        placed.caption.left += room;
        if (centred) placed.caption.right -= room;
        placed.icon.x = edge;
    }
    int top = drawnTop;
    if (style == 1) top = std::max(top, 5);
    if (style == 4) top = std::max(top, 8);
    placed.icon.y = top < 0 ? 3 : top;
    return placed;
}

std::string FrameShortenCaption(const std::string& caption, int available,
                                const FrameMeasure& measure) {
    if (measure(caption) <= available) return caption;
    std::string kept = caption;
    for (;;) {
        DropLastChar(kept);
        if (kept.empty()) return {};
        const std::string candidate = kept + "...";
        if (measure(candidate) <= available) return candidate;
    }
}

FrameTwipsSize FrameMinimumSize(FrameTwipsSize size) {
    return {std::max(size.width, kFrameMinWidthTwips),
            std::max(size.height, kFrameMinHeightTwips)};
}

}  // namespace tavo
