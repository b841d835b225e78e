#include "skin/win32/frame_metrics.h"

#include <iterator>

namespace tavo::skin {
namespace {

bool HasTitleBar(LONG style) { return (style & WS_CAPTION) == WS_CAPTION && !(style & WS_CHILD); }

// The system's own frame for this style: the edges inside it (client edge, scroll bars)
// belong to the part the system keeps drawing.
RECT SystemFrame(LONG style, LONG exStyle) {
    RECT r{0, 0, 0, 0};
    AdjustWindowRectEx(&r, static_cast<DWORD>(style & ~(WS_VSCROLL | WS_HSCROLL)), FALSE,
                       static_cast<DWORD>(exStyle & ~(WS_EX_CLIENTEDGE | WS_EX_STATICEDGE)));
    return r;
}

int ScreenDpi() {
    const HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : 96;
    if (screen) ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

HICON IconOf(HWND window) {
    for (const WPARAM kind : {ICON_SMALL, ICON_SMALL2, ICON_BIG}) {
        DWORD_PTR icon = 0;
        if (SendMessageTimeoutW(window, WM_GETICON, kind, 0, SMTO_ABORTIFHUNG, 200, &icon) && icon)
            return reinterpret_cast<HICON>(icon);
    }
    for (const int slot : {GCLP_HICONSM, GCLP_HICON})
        if (const auto icon = GetClassLongPtrW(window, slot)) return reinterpret_cast<HICON>(icon);
    return LoadIconW(nullptr, IDI_APPLICATION);
}

}  // namespace

std::optional<FrameGeometry> MeasureFrame(HWND window, const ButtonMetrics& metrics) {
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    const LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
    if (!HasTitleBar(style) || IsIconic(window)) return std::nullopt;
    FrameGeometry g;
    POINT client{0, 0};
    if (!GetWindowRect(window, &g.window) || !ClientToScreen(window, &client)) return std::nullopt;
    const RECT system = SystemFrame(style, exStyle);
    FrameInput in;
    in.width = g.window.right - g.window.left;
    in.height = g.window.bottom - g.window.top;
    in.border = -system.left;
    in.captionBottom = -system.top;
    if (in.border > client.x - g.window.left || in.captionBottom > client.y - g.window.top) return std::nullopt;
    g.toolWindow = (exStyle & WS_EX_TOOLWINDOW) != 0;
    const bool sysMenu = (style & WS_SYSMENU) != 0;
    in.close = sysMenu;
    in.minimize = sysMenu && !g.toolWindow && (style & WS_MINIMIZEBOX);
    in.maximize = sysMenu && !g.toolWindow && (style & WS_MAXIMIZEBOX);
    const bool icon = sysMenu && !g.toolWindow && !(exStyle & WS_EX_DLGMODALFRAME);
    in.iconSize = icon ? GetSystemMetrics(SM_CXSMICON) : 0;
    in.metrics = metrics;
    in.dpi = ScreenDpi();
    g.layout = LayOutFrame(in);
    if (g.layout.caption.Empty()) return std::nullopt;
    return g;
}

Point ToWindowPoint(const FrameGeometry& frame, POINT screen) {
    return {screen.x - frame.window.left, screen.y - frame.window.top};
}

bool CloseEnabled(HWND window) {
    if (GetClassLongPtrW(window, GCL_STYLE) & CS_NOCLOSE) return false;
    const HMENU menu = GetSystemMenu(window, FALSE);
    if (!menu) return true;
    const UINT state = GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND);
    return state == static_cast<UINT>(-1) || !(state & (MF_GRAYED | MF_DISABLED));
}

CaptionContent ReadCaptionContent(HWND window) {
    CaptionContent c;
    wchar_t text[512] = {};
    InternalGetWindowText(window, text, static_cast<int>(std::size(text)));
    c.text = text;
    c.icon = IconOf(window);
    c.maximized = IsZoomed(window) != FALSE;
    c.closeEnabled = CloseEnabled(window);
    return c;
}

}  // namespace tavo::skin
