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

bool ClientRect(HWND window, RECT& client) {
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
    if (!ClientRect(h, client)) return {};
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
    if (!ClientRect(h, client)) return {};
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

}  // namespace tavo
