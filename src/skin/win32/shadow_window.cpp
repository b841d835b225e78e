#include "skin/win32/shadow_window.h"

#include <algorithm>
#include <cmath>

#include "skin/win32/gdi.h"
#include "skin/win32/module.h"

namespace tavo::skin {
namespace {

constexpr wchar_t kShadowClass[] = L"TavoSkinShadow";
bool registered = false;

LRESULT CALLBACK ShadowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCHITTEST) return HTTRANSPARENT;
    if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
    return DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterShadowClass() {
    if (registered) return true;
    WNDCLASSEXW c{};
    c.cbSize = sizeof c;
    c.lpfnWndProc = ShadowProc;
    c.hInstance = SkinModule();
    c.lpszClassName = kShadowClass;
    c.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    registered = RegisterClassExW(&c) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    return registered;
}

// Wine without a compositor shows any alpha above 0 opaque; a dither of clear and opaque
// pixels still reads as a shade there.
bool AlphaShowsOpaque() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

// Distance of a pixel's centre outside the window's own rectangle within the bitmap.
double OutsideBy(int x, int y, const RECT& inner) {
    const double px = x + 0.5, py = y + 0.5;
    const double dx = std::max({inner.left - px, px - inner.right, 0.0});
    const double dy = std::max({inner.top - py, py - inner.bottom, 0.0});
    return std::sqrt(dx * dx + dy * dy);
}

void FillShadow(std::uint32_t* pixels, SIZE size, const ShadowLook& look) {
    const RECT inner{look.size, look.size, size.cx - look.size, size.cy - look.size};
    const bool dither = AlphaShowsOpaque();
    for (int y = 0; y < size.cy; ++y)
        for (int x = 0; x < size.cx; ++x) {
            std::uint8_t a = ShadowAlpha(look, OutsideBy(x, y, inner));
            if (dither) a = DitheredAlpha(a, y);
            // Premultiplied, as UpdateLayeredWindow wants it.
            const auto scaled = [a](std::uint8_t c) { return static_cast<std::uint32_t>(c * a / 255); };
            pixels[y * size.cx + x] = static_cast<std::uint32_t>(a) << 24 | scaled(look.colour.r) << 16 |
                                      scaled(look.colour.g) << 8 | scaled(look.colour.b);
        }
}

HWND CreateShadow() {
    if (!RegisterShadowClass()) return nullptr;
    return CreateWindowExW(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kShadowClass, L"",
                           WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, SkinModule(), nullptr);
}

// The first visible window on the screen, shadows aside.
bool AtTop(HWND target) {
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT))
        if (IsWindowVisible(w) && !IsShadowWindow(w)) return w == target;
    return false;
}

}  // namespace

void ShadowWindow::Follow(HWND target, const ShadowLook& look) {
    if (placing_) return;
    RECT r{};
    const bool show = HasShadow(look) && IsWindowVisible(target) && !IsIconic(target) && !IsZoomed(target) &&
                      GetWindowRect(target, &r);
    if (!show) {
        if (window_) ShowWindow(window_, SW_HIDE);
        return;
    }
    if (!window_ && !(window_ = CreateShadow())) return;
    const POINT at{r.left - look.size + look.dx, r.top - look.size + look.dy};
    const SIZE size{r.right - r.left + 2 * look.size, r.bottom - r.top + 2 * look.size};
    if (look != drawn_ || size.cx != drawnSize_.cx || size.cy != drawnSize_.cy) Redraw(at, size, look);
    if (IsWindowVisible(window_)) {
        SetWindowPos(window_, target, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
        return;
    }
    // Wine stacks a window it shows on top of all others and carries out no placement
    // behind another window, only raising: the shadow is shown on top, then the window
    // raised above it. Only a window already on top may be raised so.
    if (!AtTop(target)) return;
    placing_ = true;
    const HWND band = (GetWindowLongW(target, GWL_EXSTYLE) & WS_EX_TOPMOST) ? HWND_TOPMOST : HWND_TOP;
    SetWindowPos(window_, band, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    SetWindowPos(target, band, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
    placing_ = false;
}

void ShadowWindow::Redraw(POINT at, SIZE size, const ShadowLook& look) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const UniqueMemoryDc memory(CreateCompatibleDC(nullptr));
    if (!bitmap || !memory || !bits) return;
    FillShadow(static_cast<std::uint32_t*>(bits), size, look);
    const SelectionGuard selected(memory.Get(), bitmap.Get());
    POINT origin{0, 0}, place = at;
    SIZE extent = size;
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    if (UpdateLayeredWindow(window_, nullptr, &place, &extent, memory.Get(), &origin, 0, &blend, ULW_ALPHA)) {
        drawn_ = look;
        drawnSize_ = size;
    }
}

void ShadowWindow::Destroy() {
    if (window_) DestroyWindow(window_);
    window_ = nullptr;
    drawn_ = {};
    drawnSize_ = {};
}

bool IsShadowWindow(HWND window) {
    wchar_t name[64] = {};
    return GetClassNameW(window, name, 64) && lstrcmpW(name, kShadowClass) == 0;
}

void UnregisterShadowClass() {
    if (registered) UnregisterClassW(kShadowClass, SkinModule());
    registered = false;
}

}  // namespace tavo::skin
