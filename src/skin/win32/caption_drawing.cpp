#include "skin/win32/caption_drawing.h"

#include "skin/win32/gdi.h"

namespace tavo::skin {
namespace {

COLOR16 Channel16(std::uint8_t v) { return static_cast<COLOR16>(v << 8); }

TRIVERTEX Vertex(LONG x, LONG y, Rgb c) {
    return {x, y, Channel16(c.r), Channel16(c.g), Channel16(c.b), 0};
}

void FillGradient(HDC dc, const Rect& r, const StateColours& s, GradientDirection direction) {
    TRIVERTEX v[2] = {Vertex(r.left, r.top, s.captionStart), Vertex(r.right, r.bottom, s.captionEnd)};
    GRADIENT_RECT span{0, 1};
    const ULONG mode = direction == GradientDirection::Vertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H;
    if (!GradientFill(dc, v, 2, &span, 1, mode)) FillRectWith(dc, ToRECT(r), s.captionStart);
}

UniqueFont CaptionFont(bool toolWindow) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return UniqueFont();
    return UniqueFont(CreateFontIndirectW(toolWindow ? &metrics.lfSmCaptionFont : &metrics.lfCaptionFont));
}

void DrawCaptionText(HDC dc, const FrameGeometry& frame, const std::wstring& text, const FrameLook& look) {
    if (text.empty() || frame.layout.text.Empty()) return;
    const UniqueFont font = CaptionFont(frame.toolWindow);
    const SelectionGuard selected(dc, font ? font.Get() : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
    format |= look.theme.align == TextAlign::Center ? DT_CENTER : DT_LEFT;
    RECT r = ToRECT(frame.layout.text);
    if (look.state.hasTextShadow) {
        RECT shadow{r.left + 1, r.top + 1, r.right + 1, r.bottom + 1};
        SetTextColor(dc, ToColorRef(look.state.textShadow));
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &shadow, format);
    }
    SetTextColor(dc, ToColorRef(look.state.text));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
}

}  // namespace

RECT ToRECT(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

void FillRectWith(HDC dc, const RECT& r, Rgb colour) {
    const UniqueBrush brush(CreateSolidBrush(ToColorRef(colour)));
    if (brush) FillRect(dc, &r, brush.Get());
}

void DrawBorder(HDC dc, const FrameGeometry& frame, const FrameLook& look) {
    const LONG w = frame.window.right - frame.window.left, h = frame.window.bottom - frame.window.top;
    FillRectWith(dc, {0, 0, w, h}, look.state.border);
    for (int i = 0; i < look.theme.frameWidth; ++i) {
        const RECT line{i, i, w - i, h - i};
        const UniqueBrush brush(CreateSolidBrush(ToColorRef(look.state.frame)));
        if (brush) FrameRect(dc, &line, brush.Get());
    }
}

void DrawTitleBar(HDC dc, const FrameGeometry& frame, const CaptionContent& content, const FrameLook& look) {
    FillGradient(dc, frame.layout.caption, look.state, look.theme.direction);
    const Rect& icon = frame.layout.icon;
    if (!icon.Empty() && content.icon)
        DrawIconEx(dc, icon.left, icon.top, content.icon, icon.Width(), icon.Height(), 0, nullptr, DI_NORMAL);
    DrawCaptionText(dc, frame, content.text, look);
}

}  // namespace tavo::skin
