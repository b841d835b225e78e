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

namespace {

// Style 2's label box: away from the sides by the icon's edge distance less its gap; with
// the band across the top it sits on the body's top edge.
void MakeLabelBox(FrameHeaderGeometry& h, int width, const FrameProperties& p) {
    const int side = kFrameLabelEdge - kFrameIconGap;
    h.box.left = side;
    h.box.right = std::max(side, width - 1 - side);
    if (p.headerStyle != 1) h.body.top = std::min((h.box.bottom - h.box.top) / 2, h.body.bottom);
    h.boxOutlined = true;
    const int s = p.txtBoxShadow;
    if (s > 0) h.shadow = {h.box.left + s, h.box.top + s, h.box.right + s, h.box.bottom + s};
}

}  // namespace

FrameHeaderGeometry FrameHeaderLayout(int width, int height, const FrameProperties& p) {
    const int accent = p.style == 4 ? kFrameAccentHeight : 0;
    const FrameBandGeometry b =
        FrameBandLayout(width, height, p.roundedCorner, p.textBoxHeight + accent, p.headerStyle);
    FrameHeaderGeometry h;
    h.body = b.body;
    h.corner = p.style == 8 && p.roundedCorner ? kFrameLargeCorner : b.corner;
    h.box = b.band;
    if (accent > 0) {
        h.accent = {h.box.left, h.box.top, h.box.right, std::min(h.box.top + accent, h.box.bottom)};
        h.box.top = h.accent.bottom;
    }
    const bool roundBox = p.roundedCornerTxtBox || (p.style == 8 && p.roundedCorner);
    h.boxCorner = roundBox ? kFrameCornerDiameter : 0;
    h.boxOutlined = p.headerStyle == 1 || roundBox;
    if (p.style == 2) MakeLabelBox(h, width, p);
    h.caption = {h.box.left + kFrameIconGap, h.box.top, h.box.right - kFrameIconGap, h.box.bottom};
    h.iconTop = h.box.top + (h.box.bottom - h.box.top - p.iconSize) / 2;
    return h;
}

FrameFolderGeometry FrameFolderLayout(int width, int height, bool rounded, int textWidth,
                                      int textHeight, int iconSize) {
    FrameFolderGeometry f;
    f.corner = Corner(rounded);
    const int tabHeight = std::min(textHeight + 8, height - 1);
    const int widest = std::max(width - 1 - kFrameSlantMargin, 1);
    const int tabWidth = std::min(std::max(textWidth + 24, 100), widest);
    f.tab = {0, 0, tabWidth, tabHeight + f.corner};
    f.body = {0, tabHeight, width - 1, height - 1};
    f.strip = {0, tabHeight, width - 1, std::min(tabHeight + kFrameInnerMargin, height - 1)};
    f.caption = {8, 0, tabWidth - 4, tabHeight};
    f.iconTop = (tabHeight - iconSize) / 2;
    return f;
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
