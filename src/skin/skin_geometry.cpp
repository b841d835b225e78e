#include "skin/skin_geometry.h"

#include <algorithm>

namespace tavo::skin {
namespace {

int Scale(int pixels, int dpi) { return (pixels * dpi + 48) / 96; }

// Button sizes at this DPI, shrunk (keeping their proportions) to fit the title bar.
ButtonMetrics FitButtons(const ButtonMetrics& m, int dpi, int captionHeight) {
    ButtonMetrics s{Scale(m.width, dpi), Scale(m.height, dpi), Scale(m.margin, dpi), Scale(m.spacing, dpi)};
    const int room = captionHeight - 2 * std::min(s.margin, 1);
    if (s.height > room && room > 0) {
        s.width = s.width * room / s.height;
        s.height = room;
    }
    return s;
}

// Right to left from the caption's right end; a button that would reach `limit` is left out.
Rect PlaceButton(int& right, const ButtonMetrics& m, const Rect& caption, int limit) {
    const int left = right - m.width;
    if (left < limit || m.height <= 0) return {};
    const int top = caption.top + (caption.Height() - m.height) / 2;
    const Rect r{left, top, right, top + m.height};
    right = left - m.spacing;
    return r;
}

}  // namespace

Rect FrameLayout::ButtonRect(CaptionButton button) const {
    switch (button) {
        case CaptionButton::Minimize: return minimize;
        case CaptionButton::Maximize: return maximize;
        case CaptionButton::Close: return close;
        case CaptionButton::None: break;
    }
    return {};
}

CaptionButton FrameLayout::ButtonAt(Point p) const {
    for (const CaptionButton b : {CaptionButton::Close, CaptionButton::Maximize, CaptionButton::Minimize})
        if (ButtonRect(b).Contains(p)) return b;
    return CaptionButton::None;
}

FrameLayout LayOutFrame(const FrameInput& in) {
    FrameLayout l;
    const Rect caption{in.border, in.border, in.width - in.border, in.captionBottom};
    if (caption.Empty() || in.height - in.border <= in.captionBottom) return l;
    l.caption = caption;
    l.inside = {in.border, in.captionBottom, in.width - in.border, in.height - in.border};
    const ButtonMetrics m = FitButtons(in.metrics, in.dpi, caption.Height());
    const int gap = std::max(2, m.margin);
    int start = caption.left + gap;
    const int iconSize = std::min(in.iconSize, caption.Height());
    if (iconSize > 0 && caption.Width() >= iconSize + 2 * gap) {
        const int top = caption.top + (caption.Height() - iconSize) / 2;
        l.icon = {start, top, start + iconSize, top + iconSize};
        start = l.icon.right + gap;
    }
    int right = caption.right - m.margin;
    if (in.close) l.close = PlaceButton(right, m, caption, start);
    if (in.maximize) l.maximize = PlaceButton(right, m, caption, start);
    if (in.minimize) l.minimize = PlaceButton(right, m, caption, start);
    l.text = {start, caption.top, std::max(start, right + m.spacing - gap), caption.bottom};
    return l;
}

NcHit ResolveHit(const FrameLayout& layout, Point p, NcHit system) {
    switch (layout.ButtonAt(p)) {
        case CaptionButton::Minimize: return NcHit::Minimize;
        case CaptionButton::Maximize: return NcHit::Maximize;
        case CaptionButton::Close: return NcHit::Close;
        case CaptionButton::None: break;
    }
    const bool systemButton = system == NcHit::Minimize || system == NcHit::Maximize || system == NcHit::Close ||
                              system == NcHit::Help;
    return systemButton ? NcHit::Caption : system;
}

}  // namespace tavo::skin
