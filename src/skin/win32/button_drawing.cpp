// The caption buttons: a face by their state and shape, and a line-drawn symbol.
#include <algorithm>
#include <optional>

#include "skin/win32/caption_drawing.h"
#include "skin/win32/gdi.h"

namespace tavo::skin {
namespace {

Rgb Mix(Rgb a, Rgb b) {
    return {static_cast<std::uint8_t>((a.r + b.r) / 2), static_cast<std::uint8_t>((a.g + b.g) / 2),
            static_cast<std::uint8_t>((a.b + b.b) / 2)};
}

Rgb Darker(Rgb c) {
    return {static_cast<std::uint8_t>(c.r * 3 / 4), static_cast<std::uint8_t>(c.g * 3 / 4),
            static_cast<std::uint8_t>(c.b * 3 / 4)};
}

// The face to fill, or nothing for a flat face at rest. At rest in an inactive window
// the face fades towards the title bar, as the rest of it does.
std::optional<Rgb> FaceOf(CaptionButton button, ButtonLook state, const FrameLook& look) {
    const ButtonColours& c = look.theme.buttons;
    const bool close = button == CaptionButton::Close;
    switch (state) {
        case ButtonLook::Pressed: return close ? Darker(c.closeHover) : c.pressed;
        case ButtonLook::Hover: return close ? c.closeHover : c.hover;
        case ButtonLook::Normal: break;
    }
    if (c.flat) return std::nullopt;
    return look.active ? c.face : Mix(c.face, look.state.captionEnd);
}

void DrawFace(HDC dc, const RECT& r, Rgb colour, ButtonShape shape) {
    if (shape == ButtonShape::Square) {
        FillRectWith(dc, r, colour);
        return;
    }
    const UniqueBrush brush(CreateSolidBrush(ToColorRef(colour)));
    const SelectionGuard pen(dc, GetStockObject(NULL_PEN));
    const SelectionGuard fill(dc, brush.Get());
    const int side = std::min(r.right - r.left, r.bottom - r.top);
    const int x = (r.left + r.right - side) / 2, y = (r.top + r.bottom - side) / 2;
    Ellipse(dc, x, y, x + side + 1, y + side + 1);
}

void Line(HDC dc, int x1, int y1, int x2, int y2) {
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
}

// A window outline one pixel wide with a title line `thickness` pixels high.
void Box(HDC dc, int left, int top, int right, int bottom, int thickness, Rgb colour) {
    const UniquePen pen(CreatePen(PS_SOLID, 1, ToColorRef(colour)));
    const SelectionGuard thin(dc, pen.Get());
    const SelectionGuard hollow(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, left, top, right + 1, bottom + 1);
    for (int i = 1; i < thickness; ++i) Line(dc, left, top + i, right + 1, top + i);
}

// The symbol in a square of `side` pixels centred on the button.
void DrawGlyph(HDC dc, const RECT& r, CaptionButton button, bool maximized, Rgb colour) {
    const int h = r.bottom - r.top;
    const int side = std::max(5, h * 9 / 20);
    const int weight = std::max(1, (h + 4) / 10);
    const int x = (r.left + r.right - side) / 2, y = (r.top + r.bottom - side) / 2;
    const UniquePen pen(CreatePen(PS_SOLID, weight, ToColorRef(colour)));
    const SelectionGuard selected(dc, pen.Get());
    switch (button) {
        case CaptionButton::Minimize: Line(dc, x, y + side - 1, x + side, y + side - 1); break;
        case CaptionButton::Maximize:
            if (maximized) {
                // The window behind shows only its top and right edges.
                const int step = std::max(2, side / 4);
                const UniquePen thin(CreatePen(PS_SOLID, 1, ToColorRef(colour)));
                const SelectionGuard back(dc, thin.Get());
                Line(dc, x + step, y + step, x + step, y);
                LineTo(dc, x + side, y);
                LineTo(dc, x + side, y + side - step);
                LineTo(dc, x + side - step, y + side - step);
                Box(dc, x, y + step, x + side - step, y + side, weight, colour);
            } else {
                Box(dc, x, y, x + side, y + side, weight, colour);
            }
            break;
        case CaptionButton::Close:
            Line(dc, x, y, x + side, y + side);
            Line(dc, x + side - 1, y, x - 1, y + side);
            break;
        case CaptionButton::None: break;
    }
}

}  // namespace

void DrawCaptionButtons(HDC dc, const FrameGeometry& frame, const CaptionContent& content, const FrameLook& look,
                        const ButtonTracker& tracker) {
    for (const CaptionButton b : {CaptionButton::Minimize, CaptionButton::Maximize, CaptionButton::Close}) {
        const Rect& area = frame.layout.ButtonRect(b);
        if (area.Empty()) continue;
        const bool enabled = b != CaptionButton::Close || content.closeEnabled;
        const ButtonLook state = enabled ? tracker.LookOf(b) : ButtonLook::Normal;
        const RECT r = ToRECT(area);
        if (const auto face = FaceOf(b, state, look)) DrawFace(dc, r, *face, look.theme.shape);
        const Rgb glyph = enabled ? look.state.glyph : Mix(look.state.glyph, look.state.captionEnd);
        DrawGlyph(dc, r, b, content.maximized, glyph);
    }
}

}  // namespace tavo::skin
