#include "app/controls/banner.h"

#include <string>

#include "app/shared/child_controls.h"
#include "app/shared/control_ids.h"
#include "app/shared/guarded.h"
#include "app/shared/window_class.h"
#include "core/capture/hover.h"
#include "platform/win32/code_page.h"

namespace tavo {
namespace {

// The trailing spaces keep the end of the sentence apart from its start while it scrolls.
constexpr wchar_t kText[] =
    L"Tavo — 在后台操作其它程序的窗口:识别小图形、点击、打字、按键,按脚本逐条执行。"
    L"使用说明见项目的 README.md。        ";

constexpr UINT_PTR kScrollTimer = 1;  // Timer2
constexpr UINT_PTR kHoverTimer = 2;   // Timert
constexpr UINT kScrollInterval = 500;  // ms
constexpr UINT kHoverInterval = 100;   // ms
constexpr COLORREF kRestingColour = RGB(0, 0, 255);
constexpr COLORREF kHoverColour = RGB(255, 0, 0);

int ToTwips(int pixels, HWND window) {
    return MulDiv(pixels, 1440, static_cast<int>(GetDpiForWindow(window)));
}

class Banner {
public:
    explicit Banner(HWND window) : window_(window) {}

    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) {
        switch (message) {
            case WM_CREATE:
                return SetTimer(window_, kScrollTimer, kScrollInterval, nullptr) ? 0 : -1;
            case WM_SETFONT:
                font_ = reinterpret_cast<HFONT>(wParam);
                if (LOWORD(lParam)) InvalidateRect(window_, nullptr, TRUE);
                return 0;
            case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
            case WM_MOUSEMOVE: Hover(); return 0;
            case WM_TIMER:
                if (wParam == kScrollTimer) Scroll();
                if (wParam == kHoverTimer) PollHover();
                return 0;
            case WM_ERASEBKGND: return 1;  // WM_PAINT covers everything
            case WM_PAINT: Paint(); return 0;
            default: return DefWindowProcW(window_, message, wParam, lParam);
        }
    }

private:
    // The caption is the window's text, so it reads like any label's from outside.
    void Scroll() {
        const std::string text = WindowText(window_);
        SetWindowTextW(window_, Utf8ToWide(ScrollBanner(text)).c_str());
        InvalidateRect(window_, nullptr, FALSE);
    }

    void Hover() {
        if (hovered_) return;
        hovered_ = true;
        SetTimer(window_, kHoverTimer, kHoverInterval, nullptr);
        InvalidateRect(window_, nullptr, FALSE);
    }

    // Polled in the main window's client twips: the pointer may leave straight out of
    // the window, where the banner hears nothing of it.
    void PollHover() {
        const HWND parent = GetParent(window_);
        POINT at{};
        GetCursorPos(&at);
        ScreenToClient(parent, &at);
        RECT main{}, band{};
        GetWindowRect(parent, &main);
        GetWindowRect(window_, &band);
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&band), 2);
        if (!PointerLeftBanner(ToTwips(main.right - main.left, parent), ToTwips(band.top, parent),
                               ToTwips(band.bottom - band.top, parent), ToTwips(at.x, parent),
                               ToTwips(at.y, parent)))
            return;
        hovered_ = false;
        KillTimer(window_, kHoverTimer);
        InvalidateRect(window_, nullptr, FALSE);
    }

    void Paint() {
        PAINTSTRUCT ps{};
        const HDC dc = BeginPaint(window_, &ps);
        if (!dc) return;
        RECT client{};
        GetClientRect(window_, &client);
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        const HGDIOBJ old = font_ ? SelectObject(dc, font_) : nullptr;
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, hovered_ ? kHoverColour : kRestingColour);
        const std::wstring text = WindowTextWide(window_);
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_LEFT);
        if (old) SelectObject(dc, old);
        EndPaint(window_, &ps);
    }

    HWND window_;
    HFONT font_ = nullptr;
    bool hovered_ = false;
};

LRESULT CALLBACK BannerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto made = Guarded("banner creation", [&] { return new Banner(window); });
        if (!made) return FALSE;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(*made));
    }
    auto* banner = reinterpret_cast<Banner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        delete banner;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    if (!banner) return DefWindowProcW(window, message, wParam, lParam);
    const auto result =
        Guarded("banner handler", [&] { return banner->Handle(message, wParam, lParam); });
    return result ? *result : DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

HWND CreateBanner(HWND parent, HINSTANCE instance, int id) {
    if (!RegisterWindowClass(instance, BannerProc, TAVO_BANNER_CLASS)) return nullptr;
    return CreateChildControl(parent, instance, id, TAVO_BANNER_CLASS, kText, 0);
}

}  // namespace tavo
