#include "app/controls/t_frame.h"

#include <olectl.h>

#include "app/shared/control_ids.h"
#include "app/shared/guarded.h"
#include "app/shared/window_class.h"
#include "platform/win32/code_page.h"

namespace tavo {
namespace {

// Colours are kept as set (a value or a system colour reference) and translated at each
// paint, so a system colour follows the system's.
FrameColour Translated(FrameColour set) {
    COLORREF colour = 0;
    if (FAILED(OleTranslateColor(static_cast<OLE_COLOR>(set), nullptr, &colour))) return kFrameUntranslated;
    return static_cast<FrameColour>(colour);
}

}  // namespace

bool TFrame::Create(HWND parent, HINSTANCE instance, int id, const wchar_t* name) {
    if (!RegisterWindowClass(instance, WindowProc, TAVO_FRAME_CLASS)) return false;
    p_ = NewFrameProperties(kFrameSystemFace, WideToUtf8(name));
    CreateWindowExW(WS_EX_CONTROLPARENT, TAVO_FRAME_CLASS, name,
                    WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
    return window_ != nullptr;
}

void TFrame::SetStyle(std::int32_t style) {
    ApplyFrameStyle(p_, style, kFrameSystemFace);
    Refresh();
}

void TFrame::SetThemeColor(std::int32_t theme) {
    if (p_.themeColor == theme) return;
    p_.themeColor = theme;
    Refresh();
}

void TFrame::SetEnabled(bool enabled) {
    p_.enabled = enabled;
    for (HWND child = GetWindow(window_, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        EnableWindow(child, enabled);
    Refresh();
}

void TFrame::SetPicture(HICON picture) {
    picture_ = picture;
    Refresh();
}

void TFrame::Refresh() {
    if (!window_) return;
    UpdateRegion();
    InvalidateRect(window_, nullptr, FALSE);
}

// Style 8 cuts the window to its rounded body; the others keep the full rectangle. Set
// only when it changes, since setting one repaints the window and what lies under it.
void TFrame::UpdateRegion() {
    RECT r{};
    GetClientRect(window_, &r);
    const int width = r.right, height = r.bottom;
    const int corner = p_.style == 8 ? FrameHeaderLayout(width, height, p_).corner : 0;
    const bool sameSize = width == regionSize_.cx && height == regionSize_.cy;
    if (corner == regionCorner_ && (corner == 0 || sameSize)) return;
    regionCorner_ = corner;
    regionSize_ = {width, height};
    if (corner == 0) {
        SetWindowRgn(window_, nullptr, TRUE);
        return;
    }
    // The body is outlined within width - 1 by height - 1; the system owns the region
    // once it has taken it.
    const HRGN region = CreateRoundRectRgn(0, 0, width, height, corner, corner);
    if (region && !SetWindowRgn(window_, region, TRUE)) DeleteObject(region);
}

FrameProperties TFrame::Shown() const {
    FrameProperties shown = p_;
    FrameTranslateColours(shown, Translated);
    return shown;
}

FrameWorkingColours TFrame::WorkingColours(const FrameProperties& shown) const {
    return FrameColoursFor(shown, FrameSystemColoursNow(), Translated(kFrameSystemFace));
}

void TFrame::Paint() {
    const FrameProperties shown = Shown();
    PaintFrameWindow(window_, shown, WorkingColours(shown), font_, picture_, captionSize_);
    Notify(kFramePainted);
}

LRESULT TFrame::ChildColours(HDC dc) const {
    return SolidControlColour(dc, static_cast<COLORREF>(WorkingColours(Shown()).body));
}

void TFrame::Notify(WORD code) const {
    const HWND parent = GetParent(window_);
    const auto id = static_cast<WORD>(GetDlgCtrlID(window_));
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(window_));
}

void TFrame::NotifyMouseMove(WPARAM keys, LPARAM point) const {
    const auto id = static_cast<WORD>(GetDlgCtrlID(window_));
    SendMessageW(GetParent(window_), kFrameMouseMove, MAKEWPARAM(LOWORD(keys), id), point);
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
        case WM_SIZE:
            Refresh();
            Notify(kFrameResized);
            return 0;
        case WM_MOUSEMOVE: NotifyMouseMove(wParam, lParam); return 0;
        case WM_ERASEBKGND: return 1;  // WM_PAINT covers everything
        case WM_PAINT: Paint(); return 0;
        case WM_SETFONT:
            font_ = reinterpret_cast<HFONT>(wParam);
            if (LOWORD(lParam)) Refresh();
            return 0;
        case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
        case WM_PARENTNOTIFY:  // a control placed in a disabled frame starts disabled
            if (LOWORD(wParam) == WM_CREATE && !p_.enabled)
                EnableWindow(reinterpret_cast<HWND>(lParam), FALSE);
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: return ChildColours(reinterpret_cast<HDC>(wParam));
        // The contained controls' events belong to the container.
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_HSCROLL:
        case WM_VSCROLL: return SendMessageW(GetParent(window_), message, wParam, lParam);
        default: break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace tavo
