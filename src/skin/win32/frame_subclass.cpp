#include "skin/win32/frame_subclass.h"

#include <commctrl.h>

#include "skin/win32/caption_input.h"
#include "skin/win32/frame_metrics.h"
#include "skin/win32/frame_painter.h"
#include "skin/win32/gdi.h"
#include "skin/win32/skin_session.h"

namespace tavo::skin {
namespace {

constexpr UINT_PTR kSubclassId = 0x54534B4E;
// Windows' themed frames draw the caption and the frame with these, past WM_NCPAINT.
constexpr UINT kThemeDrawCaption = 0x00AE;
constexpr UINT kThemeDrawFrame = 0x00AF;

SkinSession& Session() { return SkinSession::Instance(); }

// The system draws what lies inside the frame below the title bar (menu bar, scroll
// bars, edges); the skin draws the rest over whatever was there.
LRESULT OnNcPaint(HWND window, WPARAM region) {
    const auto frame = Session().Find(window) ? MeasureFrame(window, Session().Theme().metrics) : std::nullopt;
    if (!frame) return DefSubclassProc(window, WM_NCPAINT, region, 0);
    const Rect& in = frame->layout.inside;
    const RECT& at = frame->window;
    const UniqueRegion system(CreateRectRgn(at.left + in.left, at.top + in.top, at.left + in.right, at.top + in.bottom));
    if (system && region > 1) CombineRgn(system.Get(), system.Get(), reinterpret_cast<HRGN>(region), RGN_AND);
    const WPARAM clip = system ? reinterpret_cast<WPARAM>(system.Get()) : region;
    const LRESULT result = DefSubclassProc(window, WM_NCPAINT, clip, 0);
    Session().Repaint(window);
    return result;
}

LRESULT OnNcActivate(HWND window, WPARAM active, LPARAM lParam) {
    WindowState* state = Session().Find(window);
    if (state) state->active = active != FALSE;
    if (!state || !MeasureFrame(window, Session().Theme().metrics))
        return DefSubclassProc(window, WM_NCACTIVATE, active, lParam);
    // -1: the activation changes without the system drawing its title bar.
    const LRESULT result = DefSubclassProc(window, WM_NCACTIVATE, active, -1);
    Session().Repaint(window);
    return result;
}

// Messages after which the system may have drawn its own title bar.
LRESULT RepaintAfter(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    Session().Repaint(window);
    return result;
}

LRESULT OnPrint(HWND window, WPARAM dc, LPARAM flags) {
    const LRESULT result = DefSubclassProc(window, WM_PRINT, dc, flags);
    WindowState* state = Session().Find(window);
    if (state && (flags & PRF_NONCLIENT)) {
        try {
            PaintFrame(window, reinterpret_cast<HDC>(dc), Session().Theme(), state->active, state->buttons);
        } catch (...) {
            // The printed copy keeps the system's frame.
        }
    }
    return result;
}

LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (const auto handled = HandleCaptionInput(window, message, wParam, lParam)) return *handled;
    switch (message) {
        case WM_NCPAINT: return OnNcPaint(window, wParam);
        case WM_NCACTIVATE: return OnNcActivate(window, wParam, lParam);
        case WM_SETTEXT:
        case WM_SETICON:
        case WM_SYSCOMMAND:
        case WM_EXITSIZEMOVE:
        case WM_EXITMENULOOP:
        case WM_STYLECHANGED:
        case WM_SETTINGCHANGE:
        case WM_THEMECHANGED: return RepaintAfter(window, message, wParam, lParam);
        case kThemeDrawCaption:
        case kThemeDrawFrame:
            if (!Session().Find(window)) break;
            Session().Repaint(window);
            return 0;
        case WM_PRINT: return OnPrint(window, wParam, lParam);
        case WM_WINDOWPOSCHANGED: {
            const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
            Session().Moved(window);
            return result;
        }
        case WM_NCDESTROY: {
            const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
            Session().Destroyed(window);
            return result;
        }
        default: break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace

bool SubclassFrame(HWND window) { return SetWindowSubclass(window, FrameProc, kSubclassId, 0) != FALSE; }

void UnsubclassFrame(HWND window) { RemoveWindowSubclass(window, FrameProc, kSubclassId); }

}  // namespace tavo::skin
