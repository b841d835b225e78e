#include "app/t_frame.h"

#include <optional>
#include <string>

#include "app/control_ids.h"
#include "app/guarded.h"
#include "platform/win32/code_page.h"
#include "platform/win32/gdi_handles.h"

namespace tavo {
namespace {

using UniqueRegion = UniqueHandle<HRGN, GdiObjectDeleter>;

COLORREF Ref(FrameColour colour) { return static_cast<COLORREF>(colour); }
FrameColour Colour(COLORREF colour) { return static_cast<FrameColour>(colour); }
RECT ToRect(const FrameRect& r) { return {r.left, r.top, r.right, r.bottom}; }

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

// The header band: top half in `light`, the rest in `band`; style 8 outlines it in the
// theme's dark colour.
FrameRect DrawBand(HDC dc, const FrameBandGeometry& b, const FrameProperties& p,
                   const FrameWorkingColours& c, FrameColour band, FrameColour light) {
    const bool filled = p.style == 2 || p.style == 8;
    RoundBody(dc, b.body, b.corner, filled ? std::optional(c.body) : std::nullopt, c.outline);
    const int bandCorner = p.roundedCornerTxtBox ? kFrameCornerDiameter : b.corner;
    if (p.style == 2 && p.txtBoxShadow > 0) {
        const int s = p.txtBoxShadow;
        RoundBody(dc, {b.band.left + s, b.band.top + s, b.band.right + s, b.band.bottom + s},
                  bandCorner, c.outline, c.outline);
    }
    RoundBody(dc, b.band, bandCorner, band, p.style == 8 ? c.themeDark : c.outline);
    if (light != band) {
        const FrameRect top{b.band.left + 1, b.band.top + 1, b.band.right - 1,
                            (b.band.top + b.band.bottom) / 2};
        const UniqueBrush brush(CreateSolidBrush(Ref(light)));
        const RECT r = ToRect(top);
        FillRect(dc, &r, brush.Get());
    }
    return b.caption;
}

FrameRect DrawStyle(HDC dc, int width, int height, const FrameProperties& p,
                    const FrameWorkingColours& c, SIZE text) {
    switch (p.style) {
        case 5:
            return DrawTab(dc, FrameTabLayout(width, height, p.roundedCorner, text.cx, text.cy), c);
        case 6: {  // a square tab
            FrameTabGeometry t = FrameTabLayout(width, height, p.roundedCorner, text.cx, text.cy);
            t.tab[3].x = t.tab[2].x;
            return DrawTab(dc, t, c);
        }
        case 1: case 2: case 3: case 4: case 8: {
            const FrameBandGeometry b = FrameBandLayout(width, height, p.roundedCorner, p.textBoxHeight);
            const bool themed = p.style == 1 || p.style == 4 || p.style == 8;
            const FrameColour band = p.style == 8 ? c.body : themed ? c.themeMedium : c.box;
            return DrawBand(dc, b, p, c, band, themed && p.style != 8 ? c.themeLight : band);
        }
        default: {
            const bool hasCaption = !p.caption.empty();
            const FrameGroupGeometry g = FrameGroupLayout(width, height, p.roundedCorner,
                                                          p.alignment, hasCaption, text.cx, text.cy);
            if (p.style == 7) return DrawGroup(dc, g, std::nullopt, p.backColor, c.outline);
            return DrawGroup(dc, g, c.body, c.body, c.outline);
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

}  // namespace

FrameSystemColours FrameSystemColoursNow() {
    return {Colour(GetSysColor(COLOR_INACTIVEBORDER)), Colour(GetSysColor(COLOR_3DLIGHT)),
            Colour(GetSysColor(COLOR_3DFACE)), Colour(GetSysColor(COLOR_GRAYTEXT))};
}

void PaintFrame(HDC dc, const RECT& client, const FrameProperties& p,
                const FrameWorkingColours& colours, HFONT font, SIZE& captionSize) {
    const UniqueBrush back(CreateSolidBrush(Ref(p.backColor)));
    FillRect(dc, &client, back.Get());
    std::optional<SelectionGuard> selectedFont;
    if (font) selectedFont.emplace(dc, font);
    if (!p.caption.empty()) {
        const std::wstring caption = Utf8ToWide(p.caption);
        GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &captionSize);
    }
    const FrameRect where = DrawStyle(dc, client.right - client.left, client.bottom - client.top,
                                      p, colours, captionSize);
    if (!p.caption.empty()) DrawCaption(dc, p, colours.text, where);
}

void PaintFrameWindow(HWND window, const FrameProperties& p, const FrameWorkingColours& colours,
                      HFONT font, SIZE& captionSize) {
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
            PaintFrame(dc.Get(), client, p, colours, font, captionSize);
            BitBlt(screen, 0, 0, client.right, client.bottom, dc.Get(), 0, 0, SRCCOPY);
        }
    }
    EndPaint(window, &ps);
}

FrameColour TFrame::ContainerBack() const { return Colour(GetSysColor(COLOR_3DFACE)); }

bool TFrame::Create(HWND parent, HINSTANCE instance, int id, const wchar_t* name) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = TAVO_FRAME_CLASS;
    if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
    p_ = NewFrameProperties(ContainerBack(), WideToUtf8(name));
    CreateWindowExW(WS_EX_CONTROLPARENT, TAVO_FRAME_CLASS, name,
                    WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
    return window_ != nullptr;
}

void TFrame::SetStyle(std::int32_t style) {
    ApplyFrameStyle(p_, style, ContainerBack());
    Repaint();
}

void TFrame::SetThemeColor(std::int32_t theme) {
    if (p_.themeColor == theme) return;
    p_.themeColor = theme;
    Repaint();
}

void TFrame::SetEnabled(bool enabled) {
    p_.enabled = enabled;
    for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        EnableWindow(child, enabled);
    Repaint();
}

void TFrame::Repaint() const {
    if (window_) InvalidateRect(window_, nullptr, FALSE);
}

void TFrame::Notify(WORD code) const {
    const HWND parent = GetParent(window_);
    const auto id = static_cast<WORD>(GetDlgCtrlID(window_));
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(window_));
}

// The minimum size is in twips, so it grows with the window's DPI.
void TFrame::EnforceMinimumSize(WINDOWPOS& position) const {
    if (position.flags & SWP_NOSIZE) return;
    const int dpi = static_cast<int>(GetDpiForWindow(window_));
    const FrameTwipsSize asked{MulDiv(position.cx, 1440, dpi), MulDiv(position.cy, 1440, dpi)};
    const FrameTwipsSize allowed = FrameMinimumSize(asked);
    if (allowed.width != asked.width) position.cx = MulDiv(allowed.width, dpi, 1440);
    if (allowed.height != asked.height) position.cy = MulDiv(allowed.height, dpi, 1440);
}

LRESULT CALLBACK TFrame::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return RouteToObject(window, message, wParam, lParam, "frame control handler", &TFrame::window_,
                         &TFrame::Handle);
}

LRESULT TFrame::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_WINDOWPOSCHANGING: EnforceMinimumSize(*reinterpret_cast<WINDOWPOS*>(lParam)); return 0;
        case WM_SIZE: Notify(kFrameResized); Repaint(); return 0;
        case WM_MOUSEMOVE: Notify(kFrameMouseMoved); return 0;
        case WM_ERASEBKGND: return 1;  // WM_PAINT covers everything
        case WM_PAINT:
            PaintFrameWindow(window_, p_, FrameColoursFor(p_, FrameSystemColoursNow(), ContainerBack()),
                             font_, captionSize_);
            Notify(kFramePainted);
            return 0;
        case WM_SETFONT:
            font_ = reinterpret_cast<HFONT>(wParam);
            if (LOWORD(lParam)) Repaint();
            return 0;
        case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            const HDC dc = reinterpret_cast<HDC>(wParam);
            const FrameWorkingColours c = FrameColoursFor(p_, FrameSystemColoursNow(), ContainerBack());
            SetBkColor(dc, Ref(c.body));
            SetDCBrushColor(dc, Ref(c.body));
            return reinterpret_cast<LRESULT>(GetStockObject(DC_BRUSH));
        }
        // The contained controls' events belong to the container.
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_HSCROLL:
        case WM_VSCROLL: return SendMessageW(GetParent(window_), message, wParam, lParam);
        case WM_NCDESTROY: {
            const HWND window = window_;
            window_ = nullptr;
            return DefWindowProcW(window, message, wParam, lParam);
        }
        default: break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace tavo
