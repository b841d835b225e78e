#include "app/controls/split_bar.h"

#include <commctrl.h>
#include <windowsx.h>

#include "app/shared/guarded.h"

namespace tavo {
namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr int kTwipsPerInch = 1440;

}  // namespace

bool SplitBar::Attach(HWND bar) {
    bar_ = bar;
    return SetWindowSubclass(bar, Proc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)) != FALSE;
}

LRESULT CALLBACK SplitBar::Proc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                DWORD_PTR self) {
    if (message == WM_NCDESTROY) RemoveWindowSubclass(bar, Proc, id);
    auto* split = reinterpret_cast<SplitBar*>(self);
    const auto handled = Guarded("split bar", [&] { return split->Handle(message, lParam); });
    if (handled && *handled) return 0;
    return DefSubclassProc(bar, message, wParam, lParam);
}

// The pointer's x from the bar's left edge; the bar keeps the capture while held, so
// this also holds beyond its edges.
int SplitBar::TwipsX(LPARAM lParam) const {
    return MulDiv(GET_X_LPARAM(lParam), kTwipsPerInch, static_cast<int>(GetDpiForWindow(bar_)));
}

bool SplitBar::Handle(UINT message, LPARAM lParam) {
    switch (message) {
        case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
            held_ = true;
            SetCapture(bar_);
            events_.SplitPressed(TwipsX(lParam));
            return true;
        case WM_MOUSEMOVE:
            if (held_) events_.SplitMoved(TwipsX(lParam));
            return held_;
        case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
            if (!held_) return false;
            held_ = false;
            releasing_ = true;
            ReleaseCapture();
            releasing_ = false;
            events_.SplitReleased();
            return true;
        case WM_CAPTURECHANGED:
            if (!held_ || releasing_) return false;
            held_ = false;
            events_.SplitReleased();
            return false;
        default: return false;
    }
}

}  // namespace tavo
