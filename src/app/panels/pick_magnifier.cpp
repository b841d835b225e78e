#include "app/panels/pick_magnifier.h"

#include "app/shared/child_controls.h"
#include "app/shared/guarded.h"
#include "app/shared/solid_brush.h"
#include "app/shared/window_class.h"
#include "platform/win32/code_page.h"

namespace tavo {
namespace {

// At 96 dots per inch: each pixel of the block drawn 8 × 8, a margin, two lines of text.
constexpr int kZoom = 8;
constexpr int kMargin = 4;
constexpr int kTextHeight = 36;
constexpr int kWidth = 150;
constexpr int kBlockPixels = kBlockSide * kZoom;
constexpr int kHeight = kMargin + kBlockPixels + kMargin + kTextHeight;
// Away from the pointer, so that neither the pick nor the block sees the window.
constexpr int kGap = 24;
constexpr COLORREF kPointFrame = RGB(255, 0, 0);
constexpr COLORREF kOutside = RGB(128, 128, 128);

}  // namespace

bool PickMagnifier::Create(HWND owner, HINSTANCE instance) {
    if (!RegisterWindowClass(instance, Proc, kMagnifierClass)) return false;
    // Layered and transparent: no window-from-point finds it, so a pointer that has
    // caught up with it before it moves still picks the window beneath.
    constexpr DWORD kExStyle =
        WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TRANSPARENT;
    window_ = CreateWindowExW(kExStyle, kMagnifierClass, L"", WS_POPUP | WS_BORDER, 0, 0, 0, 0,
                              owner, nullptr, instance, this);
    return window_ && SetLayeredWindowAttributes(window_, 0, 255, LWA_ALPHA);
}

int PickMagnifier::Scaled(int pixels) const {
    return MulDiv(pixels, static_cast<int>(GetDpiForWindow(window_)), USER_DEFAULT_SCREEN_DPI);
}

void PickMagnifier::Show(POINT pointer, const PickPreview& preview) {
    if (!window_) return;
    preview_ = preview;
    SetWindowTextW(window_, Utf8ToWide(PreviewText(preview)).c_str());
    const int width = Scaled(kWidth), height = Scaled(kHeight), gap = Scaled(kGap);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    GetMonitorInfoW(MonitorFromPoint(pointer, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    // Below right of the pointer, or on the other side where the screen ends.
    int x = pointer.x + gap, y = pointer.y + gap;
    if (x + width > work.right) x = pointer.x - gap - width;
    if (y + height > work.bottom) y = pointer.y - gap - height;
    SetWindowPos(window_, HWND_TOPMOST, x, y, width, height,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(window_, nullptr, TRUE);
}

void PickMagnifier::Hide() {
    if (window_ && IsWindowVisible(window_)) ShowWindow(window_, SW_HIDE);
}

void PickMagnifier::Paint(HDC dc) const {
    RECT client{};
    GetClientRect(window_, &client);
    FillSolid(dc, client, GetSysColor(COLOR_INFOBK));
    const int zoom = Scaled(kZoom), side = zoom * kBlockSide;
    const int left = (client.right - side) / 2, top = Scaled(kMargin);
    const Picture& block = preview_.block;
    for (int y = 0; y < kBlockSide; ++y) {
        for (int x = 0; x < kBlockSide; ++x) {
            const RECT cell{left + x * zoom, top + y * zoom, left + (x + 1) * zoom, top + (y + 1) * zoom};
            const std::int64_t colour = block.At(x, y);
            FillSolid(dc, cell, colour < 0 ? kOutside : static_cast<COLORREF>(colour));
        }
    }
    // The pointer's own pixel: the block runs from 6 before it to 5 after.
    const int centre = kBlockSide / 2;
    FrameSolid(dc, {left + centre * zoom, top + centre * zoom, left + (centre + 1) * zoom, top + (centre + 1) * zoom},
          kPointFrame);
    RECT text{Scaled(kMargin), top + side + Scaled(kMargin), client.right - Scaled(kMargin), client.bottom};
    const std::wstring lines = WindowTextWide(window_);
    const HGDIOBJ oldFont = font_ ? SelectObject(dc, font_) : nullptr;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
    DrawTextW(dc, lines.c_str(), static_cast<int>(lines.size()), &text, DT_CENTER | DT_NOPREFIX);
    if (oldFont) SelectObject(dc, oldFont);
}

LRESULT CALLBACK PickMagnifier::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<PickMagnifier*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps{};
            HDC dc = BeginPaint(window, &ps);
            if (self) Guarded("magnifier painting", [&] { self->Paint(dc); });
            EndPaint(window, &ps);
            return 0;
        }
        case WM_ERASEBKGND: return 1;  // painted whole in WM_PAINT
        case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
        case WM_NCHITTEST: return HTTRANSPARENT;
        case WM_NCDESTROY:
            if (self) self->window_ = nullptr;
            break;
        default: break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace tavo
