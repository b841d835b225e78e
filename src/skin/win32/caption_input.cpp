#include "skin/win32/caption_input.h"

#include <commctrl.h>
#include <windowsx.h>

#include "skin/win32/frame_metrics.h"
#include "skin/win32/skin_session.h"

namespace tavo::skin {
namespace {

SkinSession& Session() { return SkinSession::Instance(); }

NcHit ToNcHit(LRESULT hit) {
    switch (hit) {
        case HTCAPTION: return NcHit::Caption;
        case HTMINBUTTON: return NcHit::Minimize;
        case HTMAXBUTTON: return NcHit::Maximize;
        case HTCLOSE: return NcHit::Close;
        case HTHELP: return NcHit::Help;
        default: return NcHit::Other;
    }
}

LRESULT FromNcHit(NcHit hit, LRESULT system) {
    switch (hit) {
        case NcHit::Caption: return HTCAPTION;
        case NcHit::Minimize: return HTMINBUTTON;
        case NcHit::Maximize: return HTMAXBUTTON;
        case NcHit::Close: return HTCLOSE;
        case NcHit::Help: return HTHELP;
        case NcHit::Other: break;
    }
    return system;
}

CaptionButton ButtonOfHit(WPARAM hit) {
    switch (hit) {
        case HTMINBUTTON: return CaptionButton::Minimize;
        case HTMAXBUTTON: return CaptionButton::Maximize;
        case HTCLOSE: return CaptionButton::Close;
        default: return CaptionButton::None;
    }
}

CaptionButton ButtonAt(HWND window, POINT screen) {
    const auto frame = MeasureFrame(window, Session().Theme().metrics);
    return frame ? frame->layout.ButtonAt(ToWindowPoint(*frame, screen)) : CaptionButton::None;
}

WPARAM CommandOf(CaptionButton button, HWND window) {
    switch (button) {
        case CaptionButton::Minimize: return SC_MINIMIZE;
        case CaptionButton::Maximize: return IsZoomed(window) ? SC_RESTORE : SC_MAXIMIZE;
        default: return SC_CLOSE;
    }
}

LRESULT OnHitTest(HWND window, WPARAM wParam, LPARAM lParam) {
    const LRESULT system = DefSubclassProc(window, WM_NCHITTEST, wParam, lParam);
    const auto frame = Session().Find(window) ? MeasureFrame(window, Session().Theme().metrics) : std::nullopt;
    if (!frame) return system;
    const Point p = ToWindowPoint(*frame, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    return FromNcHit(ResolveHit(frame->layout, p, ToNcHit(system)), system);
}

std::optional<LRESULT> OnButtonDown(HWND window, WPARAM hit, LPARAM lParam) {
    const CaptionButton button = ButtonOfHit(hit);
    WindowState* state = Session().Find(window);
    const auto frame = state ? MeasureFrame(window, Session().Theme().metrics) : std::nullopt;
    if (button == CaptionButton::None || !frame) return std::nullopt;
    // Anything else answering as a button is kept from the system's tracking too: it
    // would draw the system's button over the skin.
    const Point p = ToWindowPoint(*frame, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    if (frame->layout.ButtonAt(p) != button) return 0;
    if (button == CaptionButton::Close && !CloseEnabled(window)) return 0;
    state->buttons.Press(button);
    SetCapture(window);
    Session().Repaint(window);
    return 0;
}

std::optional<LRESULT> OnPointerMove(HWND window, POINT screen) {
    WindowState* state = Session().Find(window);
    if (!state) return std::nullopt;
    if (state->buttons.Pressing()) {
        if (state->buttons.Move(ButtonAt(window, screen))) Session().Repaint(window);
        return 0;
    }
    // From a lit button straight into the client area.
    if (state->buttons.Hover(CaptionButton::None)) Session().Repaint(window);
    return std::nullopt;
}

std::optional<LRESULT> OnButtonUp(HWND window, POINT screen) {
    WindowState* state = Session().Find(window);
    if (!state || !state->buttons.Pressing()) return std::nullopt;
    const CaptionButton acted = state->buttons.Release(ButtonAt(window, screen));
    if (acted != CaptionButton::None) state->buttons.Cancel();
    ReleaseCapture();
    Session().Repaint(window);
    // The command may destroy the window and the skin's state with it: nothing after it.
    if (acted != CaptionButton::None)
        SendMessageW(window, WM_SYSCOMMAND, CommandOf(acted, window), MAKELPARAM(screen.x, screen.y));
    return 0;
}

void OnCaptureChanged(HWND window, LPARAM newCapture) {
    WindowState* state = Session().Find(window);
    if (state && state->buttons.Pressing() && reinterpret_cast<HWND>(newCapture) != window && state->buttons.Cancel())
        Session().Repaint(window);
}

void OnNcMouseMove(HWND window, WPARAM hit) {
    WindowState* state = Session().Find(window);
    if (!state) return;
    if (!state->trackingLeave) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE | TME_NONCLIENT, window, 0};
        state->trackingLeave = TrackMouseEvent(&track) != FALSE;
    }
    if (state->buttons.Hover(ButtonOfHit(hit))) Session().Repaint(window);
}

void OnNcMouseLeave(HWND window) {
    WindowState* state = Session().Find(window);
    if (!state) return;
    state->trackingLeave = false;
    if (!state->buttons.Pressing() && state->buttons.Hover(CaptionButton::None)) Session().Repaint(window);
}

POINT ClientToScreenPoint(HWND window, LPARAM lParam) {
    POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(window, &p);
    return p;
}

}  // namespace

std::optional<LRESULT> HandleCaptionInput(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCHITTEST: return OnHitTest(window, wParam, lParam);
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONDBLCLK: return OnButtonDown(window, wParam, lParam);
        case WM_MOUSEMOVE: return OnPointerMove(window, ClientToScreenPoint(window, lParam));
        case WM_LBUTTONUP: return OnButtonUp(window, ClientToScreenPoint(window, lParam));
        case WM_NCLBUTTONUP: return OnButtonUp(window, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        case WM_CAPTURECHANGED: OnCaptureChanged(window, lParam); break;
        case WM_NCMOUSEMOVE: OnNcMouseMove(window, wParam); break;
        case WM_NCMOUSELEAVE: OnNcMouseLeave(window); break;
        default: break;
    }
    return std::nullopt;
}

}  // namespace tavo::skin
