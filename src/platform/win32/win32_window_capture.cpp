#include "platform/win32/win32_window_capture.h"

#include <cstddef>
#include <vector>

#include "platform/win32/dib_pixels.h"
#include "platform/win32/gdi_handles.h"

namespace tavo {
namespace {

constexpr UINT kPwRenderFullContent = 2;  // not in every SDK's headers

HWND ToHwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }

// RtlGetVersion tells the real version whatever the manifest declares, unlike
// GetVersionEx and the version helpers.
bool IsWindows81OrLater() {
    using RtlGetVersionFn = LONG(WINAPI*)(PRTL_OSVERSIONINFOW);
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    if (!ntdll) return false;
    const FARPROC proc = GetProcAddress(ntdll, "RtlGetVersion");
    if (!proc) return false;
    // Through void(*)(): the one function type every other may be cast to without a warning.
    const auto rtlGetVersion = reinterpret_cast<RtlGetVersionFn>(reinterpret_cast<void (*)()>(proc));
    RTL_OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof(info);
    if (rtlGetVersion(&info) != 0) return false;
    return info.dwMajorVersion > 6 || (info.dwMajorVersion == 6 && info.dwMinorVersion >= 3);
}

bool NonEmptyClient(HWND window, RECT& client) {
    return GetClientRect(window, &client) && client.right > 0 && client.bottom > 0;
}

// The bitmap's pixels as 0x00BBGGRR; black when they cannot be read, as a surface that
// nothing drew on. The bitmap must not be selected into a DC.
Picture ReadPixels(HDC dc, HBITMAP bitmap, int width, int height) {
    Picture picture(width, height);
    BITMAPINFO info = TopDown32BitInfo(width, height);
    std::vector<std::uint32_t> rows(picture.pixels.size());
    if (GetDIBits(dc, bitmap, 0, static_cast<UINT>(height), rows.data(), &info, DIB_RGB_COLORS) != height)
        return picture;
    for (std::size_t i = 0; i < rows.size(); ++i) picture.pixels[i] = SwapRedBlue(rows[i]);
    return picture;
}

// A black memory surface of the given size, compatible with `reference`'s display.
struct Surface {
    UniqueMemoryDc dc;
    UniqueBitmap bitmap;
};

Surface MakeSurface(HDC reference, int width, int height) {
    Surface s{UniqueMemoryDc(CreateCompatibleDC(reference)),
              UniqueBitmap(CreateCompatibleBitmap(reference, width, height))};
    if (s.dc && s.bitmap) {
        SelectionGuard selected(s.dc.Get(), s.bitmap.Get());
        PatBlt(s.dc.Get(), 0, 0, width, height, BLACKNESS);
    }
    return s;
}

}  // namespace

UINT PrintWindowFlags() {
    static const bool fullContent = IsWindows81OrLater();
    return PW_CLIENTONLY | (fullContent ? kPwRenderFullContent : 0);
}

ClientSize Win32WindowCapture::ClientArea(WindowHandle window) {
    RECT client{};
    if (!GetClientRect(ToHwnd(window), &client)) return {};
    return {client.right - client.left, client.bottom - client.top};
}

Picture Win32WindowCapture::PrintClient(WindowHandle window) {
    const HWND h = ToHwnd(window);
    RECT client{};
    if (!NonEmptyClient(h, client)) return {};
    const WindowDc display(reference_);
    Surface surface = MakeSurface(display.Get(), client.right, client.bottom);
    if (!surface.dc || !surface.bitmap) return Picture(client.right, client.bottom);
    {
        SelectionGuard selected(surface.dc.Get(), surface.bitmap.Get());
        PrintWindow(h, surface.dc.Get(), PrintWindowFlags());
    }
    InvalidateRect(h, &client, FALSE);
    return ReadPixels(surface.dc.Get(), surface.bitmap.Get(), client.right, client.bottom);
}

Picture Win32WindowCapture::CopyClientFromScreen(WindowHandle window) {
    const HWND h = ToHwnd(window);
    RECT client{};
    if (!NonEmptyClient(h, client)) return {};
    const WindowDc source(h);
    if (!source.Get()) return Picture(client.right, client.bottom);
    Surface surface = MakeSurface(source.Get(), client.right, client.bottom);
    if (!surface.dc || !surface.bitmap) return Picture(client.right, client.bottom);
    {
        SelectionGuard selected(surface.dc.Get(), surface.bitmap.Get());
        BitBlt(surface.dc.Get(), 0, 0, client.right, client.bottom, source.Get(), 0, 0, SRCCOPY);
    }
    return ReadPixels(surface.dc.Get(), surface.bitmap.Get(), client.right, client.bottom);
}

// The window prints its whole client area (it cannot be asked for less), into a surface
// kept for its size; only the region is blackened first and read back.
Picture Win32WindowCapture::PrintClientRegion(WindowHandle window, ClientRect region) {
    Picture block(region.width, region.height);
    const HWND h = ToHwnd(window);
    RECT client{};
    if (!NonEmptyClient(h, client) || !print_.Prepare(client.right, client.bottom)) return block;
    PatBlt(print_.Dc(), region.x, region.y, region.width, region.height, BLACKNESS);
    PrintWindow(h, print_.Dc(), PrintWindowFlags());
    GdiFlush();
    InvalidateRect(h, &client, FALSE);
    for (int dy = 0; dy < region.height; ++dy)
        for (int dx = 0; dx < region.width; ++dx) {
            const int x = region.x + dx, y = region.y + dy;
            const bool inside = x >= 0 && y >= 0 && x < client.right && y < client.bottom;
            if (inside) block.Set(dx, dy, print_.At(x, y));
        }
    return block;
}

// Only the part of the region inside the client area is copied: the window's DC reaches
// beyond it, where the screen shows other windows.
Picture Win32WindowCapture::CopyClientRegionFromScreen(WindowHandle window, ClientRect region) {
    Picture block(region.width, region.height);
    const HWND h = ToHwnd(window);
    RECT client{};
    if (!NonEmptyClient(h, client)) return block;
    RECT wanted{region.x, region.y, region.x + region.width, region.y + region.height};
    RECT inside{};
    if (!IntersectRect(&inside, &wanted, &client)) return block;
    const WindowDc source(h);
    if (!source.Get() || !screen_.Prepare(region.width, region.height)) return block;
    PatBlt(screen_.Dc(), 0, 0, region.width, region.height, BLACKNESS);
    BitBlt(screen_.Dc(), inside.left - region.x, inside.top - region.y, inside.right - inside.left,
           inside.bottom - inside.top, source.Get(), inside.left, inside.top, SRCCOPY);
    GdiFlush();
    for (int dy = 0; dy < region.height; ++dy)
        for (int dx = 0; dx < region.width; ++dx) block.Set(dx, dy, screen_.At(dx, dy));
    return block;
}

}  // namespace tavo
