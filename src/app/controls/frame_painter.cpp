#include "app/controls/frame_painter.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/code_page.h"
#include "platform/win32/dib_pixels.h"
#include "platform/win32/gdi_handles.h"

namespace tavo {
namespace {

using UniqueRegion = UniqueHandle<HRGN, GdiObjectDeleter>;

COLORREF Ref(FrameColour colour) { return static_cast<COLORREF>(colour); }
FrameColour Colour(COLORREF colour) { return static_cast<FrameColour>(colour); }
RECT ToRect(const FrameRect& r) { return {r.left, r.top, r.right, r.bottom}; }
bool IsEmpty(const FrameRect& r) { return r.right <= r.left || r.bottom <= r.top; }

// Drawing limited to a region until the scope ends; the DC's own clipping comes back.
class ClipTo {
public:
    ClipTo(HDC dc, HRGN region) : dc_(dc), saved_(SaveDC(dc)) {
        if (region) ExtSelectClipRgn(dc, region, RGN_AND);
    }
    ClipTo(const ClipTo&) = delete;
    ClipTo& operator=(const ClipTo&) = delete;
    ~ClipTo() {
        if (saved_) RestoreDC(dc_, saved_);
    }

private:
    HDC dc_;
    int saved_;
};

// The area a RoundRect over the same rectangle outlines.
UniqueRegion RoundRegion(const FrameRect& r, int corner) {
    if (corner <= 0) return UniqueRegion(CreateRectRgn(r.left, r.top, r.right, r.bottom));
    return UniqueRegion(CreateRoundRectRgn(r.left, r.top, r.right, r.bottom, corner, corner));
}

// Many small fills (gradients) go through the DC's own brush: no object made per line.
void FillSolid(HDC dc, const FrameRect& r, FrameColour colour) {
    SetDCBrushColor(dc, Ref(colour));
    const RECT rect = ToRect(r);
    FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

// A rounded rectangle filled with `fill` (none: hollow) and outlined in `outline`.
void RoundBody(HDC dc, const FrameRect& r, int corner, std::optional<FrameColour> fill,
               FrameColour outline) {
    const UniquePen pen(CreatePen(PS_SOLID, 1, Ref(outline)));
    const UniqueBrush brush(fill ? CreateSolidBrush(Ref(*fill)) : nullptr);
    const SelectionGuard selectedPen(dc, pen.Get());
    const SelectionGuard selectedBrush(dc, brush ? static_cast<HGDIOBJ>(brush.Get())
                                                 : GetStockObject(NULL_BRUSH));
    RoundRect(dc, r.left, r.top, r.right, r.bottom, corner, corner);
}

void Line(HDC dc, FramePoint from, FramePoint to, FrameColour colour) {
    const UniquePen pen(CreatePen(PS_SOLID, 1, Ref(colour)));
    const SelectionGuard selected(dc, pen.Get());
    MoveToEx(dc, from.x, from.y, nullptr);
    LineTo(dc, to.x, to.y);
}

void FillRegion(HDC dc, HRGN region, FrameColour colour) {
    const UniqueBrush brush(CreateSolidBrush(Ref(colour)));
    FillRgn(dc, region, brush.Get());
}

// What a style's drawing tells the rest of the paint.
struct StyleDrawn {
    FrameRect caption;
    int iconTop = 0;
    int border = -1;  // style 7: the top border, opened behind the icon too
};

// The tab polygon clipped to the body's rounded rectangle.
void FillTab(HDC dc, const FrameTabGeometry& t, FrameColour colour) {
    POINT points[4];
    for (int i = 0; i < 4; ++i) points[i] = {t.tab[i].x, t.tab[i].y};
    const UniqueRegion polygon(CreatePolygonRgn(points, 4, ALTERNATE));
    const UniqueRegion body(CreateRoundRectRgn(t.body.left, t.body.top, t.body.right,
                                               t.body.bottom, t.corner, t.corner));
    const UniqueRegion tab(CreateRectRgn(0, 0, 0, 0));
    if (!polygon || !body || !tab) return;
    if (CombineRgn(tab.Get(), polygon.Get(), body.Get(), RGN_AND) != ERROR)
        FillRegion(dc, tab.Get(), colour);
}

FrameRect DrawTab(HDC dc, const FrameTabGeometry& t, const FrameWorkingColours& c) {
    RoundBody(dc, t.body, t.corner, c.body, c.body);
    FillTab(dc, t, c.box);
    Line(dc, t.tab[1], t.tab[2], c.outline);
    Line(dc, t.tab[2], t.tab[3], c.outline);
    RoundBody(dc, t.body, t.corner, std::nullopt, c.outline);
    return t.caption;
}

FrameRect DrawGroup(HDC dc, const FrameGroupGeometry& g, std::optional<FrameColour> fill,
                    FrameColour opening, FrameColour outline) {
    RoundBody(dc, g.body, g.corner, fill, outline);
    if (g.hasCaption) Line(dc, g.openFrom, g.openTo, opening);
    return g.caption;
}

// Style 6: tab and body as one shape, outlined together.
StyleDrawn DrawFolder(HDC dc, const FrameFolderGeometry& f, const FrameWorkingColours& c) {
    const StyleDrawn drawn{f.caption, f.iconTop};
    const UniqueRegion shape = RoundRegion(f.tab, f.corner);
    const UniqueRegion body = RoundRegion(f.body, f.corner);
    if (!shape || !body || CombineRgn(shape.Get(), shape.Get(), body.Get(), RGN_OR) == ERROR)
        return drawn;
    FillRegion(dc, shape.Get(), c.body);
    {
        const ClipTo clip(dc, shape.Get());
        FillSolid(dc, {f.tab.left, f.tab.top, f.tab.right, f.body.top}, c.box);
        FillSolid(dc, f.strip, c.box);
    }
    const UniqueBrush edge(CreateSolidBrush(Ref(c.outline)));
    FrameRgn(dc, shape.Get(), edge.Get(), 1, 1);
    return drawn;
}

// Style 7: a hollow group box, etched (a light line beside the outline) while enabled.
StyleDrawn DrawEtchedGroup(HDC dc, const FrameGroupGeometry& g, const FrameProperties& p,
                           const FrameWorkingColours& c, int iconSize) {
    if (p.enabled) {
        const FrameRect light{g.body.left + 1, g.body.top + 1, g.body.right + 1, g.body.bottom + 1};
        RoundBody(dc, light, g.corner, std::nullopt, kFrameWhite);
    }
    RoundBody(dc, g.body, g.corner, std::nullopt, c.outline);
    const int rows = p.enabled ? 2 : 1;
    if (g.hasCaption)
        FillSolid(dc, {g.openFrom.x, g.body.top, g.openTo.x, g.body.top + rows}, p.backColor);
    const int captionHeight = g.caption.bottom - g.caption.top;
    return {g.caption, g.caption.top + (captionHeight - iconSize) / 2, g.body.top};
}

// Two-tone halves (0), top-to-bottom (1) or left-to-right (2) gradient.
void FillHeader(HDC dc, const FrameRect& r, FrameHeaderColours c, std::int32_t gradient) {
    const int height = r.bottom - r.top, width = r.right - r.left;
    if (gradient == 1) {
        for (int y = 0; y < height; ++y)
            FillSolid(dc, {r.left, r.top + y, r.right, r.top + y + 1},
                      FrameBlend(c.first, c.second, y, height - 1));
    } else if (gradient == 2) {
        for (int x = 0; x < width; ++x)
            FillSolid(dc, {r.left + x, r.top, r.left + x + 1, r.bottom},
                      FrameBlend(c.first, c.second, x, width - 1));
    } else {
        const int middle = r.top + height / 2;
        FillSolid(dc, {r.left, r.top, r.right, middle}, c.first);
        FillSolid(dc, {r.left, middle, r.right, r.bottom}, c.second);
    }
}

// The caption box's face: within the body (style 2's label box may stand out of it),
// then style 4's strip and, while enabled, its raised edge.
void FillBox(HDC dc, const FrameHeaderGeometry& g, const FrameProperties& p,
             const FrameWorkingColours& c) {
    const UniqueRegion body = RoundRegion(g.body, g.corner);
    const ClipTo inBody(dc, p.style == 2 ? nullptr : body.Get());
    {
        const UniqueRegion box = RoundRegion(g.box, g.boxCorner);
        const ClipTo inBox(dc, box.Get());
        FillHeader(dc, g.box, FrameHeaderColoursFor(p.style, c), p.gradientHeaderStyle);
    }
    if (IsEmpty(g.accent)) return;
    FillSolid(dc, g.accent, p.enabled ? c.themeMedium : c.outline);
    if (p.enabled) Line(dc, {g.box.left + 1, g.box.top}, {g.box.right - 1, g.box.top}, kFrameWhite);
}

// Styles 1-4 and 8.
StyleDrawn DrawHeader(HDC dc, const FrameHeaderGeometry& g, const FrameProperties& p,
                      const FrameWorkingColours& c) {
    const bool label = p.style == 2;
    const bool filled = label || p.style == 8;
    RoundBody(dc, g.body, g.corner, filled ? std::optional(c.body) : std::nullopt, c.outline);
    if (!IsEmpty(g.shadow)) {
        const FrameColour shade = FrameBlend(c.outline, c.body, 1, 2);
        RoundBody(dc, g.shadow, g.boxCorner, shade, shade);
    }
    FillBox(dc, g, p, c);
    const FrameColour edge = p.style == 8 ? c.themeDark : c.outline;
    if (g.boxOutlined)
        RoundBody(dc, g.box, g.boxCorner, std::nullopt, edge);
    else
        Line(dc, {g.body.left, g.box.bottom}, {g.body.right, g.box.bottom}, edge);
    // The band across the top covered the body's edge there.
    if (!label) RoundBody(dc, g.body, g.corner, std::nullopt, c.outline);
    return {g.caption, g.iconTop};
}

StyleDrawn DrawStyle(HDC dc, int width, int height, const FrameProperties& p,
                     const FrameWorkingColours& c, SIZE text, int iconRoom) {
    switch (p.style) {
        case 5: {
            const FrameTabGeometry t = FrameTabLayout(width, height, p.roundedCorner, text.cx, text.cy);
            return {DrawTab(dc, t, c), (t.tabHeight - p.iconSize) / 2};
        }
        case 6:
            return DrawFolder(dc, FrameFolderLayout(width, height, p.roundedCorner, text.cx, text.cy,
                                                    p.iconSize), c);
        case 7: {
            const int room = p.alignment == 2 ? 2 * iconRoom : iconRoom;  // kept clear of the caption
            const FrameGroupGeometry g = FrameGroupLayout(width, height, p.roundedCorner, p.alignment,
                                                          !p.caption.empty(), text.cx + room, text.cy);
            return DrawEtchedGroup(dc, g, p, c, p.iconSize);
        }
        case 1: case 2: case 3: case 4: case 8:
            return DrawHeader(dc, FrameHeaderLayout(width, height, p), p, c);
        default: {
            const FrameGroupGeometry g = FrameGroupLayout(width, height, p.roundedCorner, p.alignment,
                                                          !p.caption.empty(), text.cx, text.cy);
            return {DrawGroup(dc, g, c.body, c.body, c.outline)};
        }
    }
}

int TextWidth(HDC dc, const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

void DrawCaption(HDC dc, const FrameProperties& p, FrameColour colour, const FrameRect& where) {
    const FrameMeasure measure = [dc](const std::string& t) { return TextWidth(dc, Utf8ToWide(t)); };
    std::wstring text = Utf8ToWide(FrameShortenCaption(p.caption, where.right - where.left, measure));
    if (text.empty()) return;
    const UINT format = FrameCaptionFormat(p.style, p.alignment);
    RECT r = ToRect(where);
    if (p.style == 8) {  // the wrapped block centred in the rectangle
        RECT block = r;
        DrawTextW(dc, text.data(), static_cast<int>(text.size()), &block, format | DT_CALCRECT);
        const int top = r.top + (r.bottom - r.top - (block.bottom - block.top)) / 2;
        r = {r.left, top, r.right, top + (block.bottom - block.top)};
    }
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Ref(colour));
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &r, format);
}

// The icon drawn over what is already there, in a 32-bit copy of that square: every pixel
// the icon changed turns grey and lighter; the rest stays the background.
void DrawGreyedIcon(HDC dc, HICON icon, FramePoint at, int size) {
    const BITMAPINFO info = TopDown32BitInfo(size, size);
    void* bits = nullptr;
    const UniqueMemoryDc memory(CreateCompatibleDC(dc));
    const UniqueBitmap dib(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!memory || !dib || !bits) return;
    const SelectionGuard selected(memory.Get(), dib.Get());
    BitBlt(memory.Get(), 0, 0, size, size, dc, at.x, at.y, SRCCOPY);
    GdiFlush();
    auto* pixels = static_cast<std::uint32_t*>(bits);
    const auto count = static_cast<std::size_t>(size) * static_cast<std::size_t>(size);
    const std::vector<std::uint32_t> before(pixels, pixels + count);
    DrawIconEx(memory.Get(), 0, 0, icon, size, size, 0, nullptr, DI_NORMAL);
    GdiFlush();
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t pixel = pixels[i] & 0xFFFFFF;
        if (pixel == (before[i] & 0xFFFFFF)) continue;
        pixels[i] = SwapRedBlue(static_cast<std::uint32_t>(
            FrameGreyed(static_cast<FrameColour>(SwapRedBlue(pixel)))));
    }
    SetDIBitsToDevice(dc, at.x, at.y, static_cast<DWORD>(size), static_cast<DWORD>(size), 0, 0, 0,
                      static_cast<UINT>(size), bits, &info, DIB_RGB_COLORS);
}

// Style 7's top border gives way to the icon as it does to the caption, short of the corners.
void OpenBorderBehindIcon(HDC dc, const FrameProperties& p, int width, int border, FramePoint icon) {
    const int corner = p.roundedCorner ? kFrameCornerDiameter : 0;
    const int from = std::max(icon.x - kFrameInnerMargin, corner / 2 + 1);
    const int to = std::min(icon.x + p.iconSize + kFrameInnerMargin, width - 2 - corner / 2);
    FillSolid(dc, {from, border, to, border + 2}, p.backColor);
}

void DrawPicture(HDC dc, HICON icon, FramePoint at, int size, bool enabled) {
    if (size <= 0) return;
    if (enabled)
        DrawIconEx(dc, at.x, at.y, icon, size, size, 0, nullptr, DI_NORMAL);
    else
        DrawGreyedIcon(dc, icon, at, size);
}

}  // namespace

FrameSystemColours FrameSystemColoursNow() {
    return {Colour(GetSysColor(COLOR_INACTIVEBORDER)), Colour(GetSysColor(COLOR_3DLIGHT)),
            Colour(GetSysColor(COLOR_3DFACE)), Colour(GetSysColor(COLOR_GRAYTEXT))};
}

void PaintFrame(HDC dc, const RECT& client, const FrameProperties& p,
                const FrameWorkingColours& colours, HFONT font, HICON picture, SIZE& captionSize) {
    const UniqueBrush back(CreateSolidBrush(Ref(p.backColor)));
    FillRect(dc, &client, back.Get());
    std::optional<SelectionGuard> selectedFont;
    if (font) selectedFont.emplace(dc, font);
    if (!p.caption.empty()) {
        const std::wstring caption = Utf8ToWide(p.caption);
        GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &captionSize);
    }
    const int width = client.right - client.left;
    const bool placesIcon = picture && p.style != 0;
    const int iconRoom = placesIcon ? kFrameIconGap + p.iconSize : 0;
    const StyleDrawn drawn = DrawStyle(dc, width, client.bottom - client.top, p, colours,
                                       captionSize, iconRoom);
    FrameRect where = drawn.caption;
    FramePoint iconAt{};
    if (placesIcon) {
        const FrameIconPlacement placed = FramePlaceIcon(where, width, p.style, p.alignment,
                                                         p.iconAlignment, p.iconSize, drawn.iconTop);
        where = placed.caption;
        iconAt = placed.icon;
        if (drawn.border >= 0) OpenBorderBehindIcon(dc, p, width, drawn.border, iconAt);
    }
    if (!p.caption.empty()) DrawCaption(dc, p, colours.text, where);
    if (!placesIcon || p.style == 5 || p.style == 6) return;
    DrawPicture(dc, picture, iconAt, p.iconSize, p.enabled);
}

void PaintFrameWindow(HWND window, const FrameProperties& p, const FrameWorkingColours& colours,
                      HFONT font, HICON picture, SIZE& captionSize) {
    PAINTSTRUCT ps{};
    const HDC screen = BeginPaint(window, &ps);
    if (!screen) return;
    RECT client{};
    GetClientRect(window, &client);
    {
        UniqueMemoryDc dc(CreateCompatibleDC(screen));
        UniqueBitmap bitmap(CreateCompatibleBitmap(screen, client.right, client.bottom));
        if (dc && bitmap) {
            const SelectionGuard selected(dc.Get(), bitmap.Get());
            PaintFrame(dc.Get(), client, p, colours, font, picture, captionSize);
            BitBlt(screen, 0, 0, client.right, client.bottom, dc.Get(), 0, 0, SRCCOPY);
        }
    }
    EndPaint(window, &ps);
}

}  // namespace tavo
