// The editor panel's pickers: held down with the left button they keep the mouse, and
// show their own pointer, until the button is let go wherever the pointer is then.
#include "app/panels/pict_panel.h"

#include <commctrl.h>
#include <windowsx.h>

#include "app/shared/control_ids.h"
#include "app/shared/guarded.h"
#include "app/panels/picker_cursors.h"

namespace tavo {
namespace {

std::optional<Picker> PickerOf(HWND button) {
    switch (GetDlgCtrlID(button)) {
        case IDC_COMM2: return Picker::Comm2;
        case IDC_COMM4: return Picker::Comm4;
        case IDC_COMMT1: return Picker::CommT1;
        case IDC_COMMT2: return Picker::CommT2;
        default: return std::nullopt;
    }
}

void ShowDefaultPointer() { SetCursor(LoadCursorW(nullptr, IDC_ARROW)); }

constexpr UINT kPickerPollInterval = 50;  // ms

}  // namespace

LRESULT CALLBACK PictPanel::PickerProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self) {
    if (message == WM_NCDESTROY) RemoveWindowSubclass(button, PickerProc, id);
    auto* panel = reinterpret_cast<PictPanel*>(self);
    const auto result =
        Guarded("picker handler", [&] { return panel->OnPickerMessage(button, message, lParam); });
    if (result && *result) return **result;
    return DefSubclassProc(button, message, wParam, lParam);
}

// The button's own press and release are replaced, so it never clicks.
std::optional<LRESULT> PictPanel::OnPickerMessage(HWND button, UINT message, LPARAM lParam) {
    const bool pressed = pressedPicker_ && pressedPicker_ == PickerOf(button);
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            if (!pressedPicker_) PressPicker(button);
            return 0;
        case WM_LBUTTONUP:
            if (pressed) {
                POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
                ClientToScreen(button, &screen);
                ReleasePicker(button, screen);
            }
            return 0;
        case WM_MOUSEMOVE:
            if (pressed) {
                POINT screen{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
                ClientToScreen(button, &screen);
                events_.PictPickerHeld(*pressedPicker_, screen);
            }
            return std::nullopt;
        case WM_SETCURSOR:
            if (!pressed || !pickerCursor_) return std::nullopt;
            SetCursor(pickerCursor_.Get());
            return TRUE;
        case WM_CAPTURECHANGED:
            // Taken by another window (our own release has ended the press before): the
            // user let go of nothing, so nothing is picked; the host puts back what it
            // moved away.
            if (pressed && reinterpret_cast<HWND>(lParam) != button) CancelPicker(button);
            return std::nullopt;
        case WM_DESTROY:
            if (pressed) {
                pressedPicker_.reset();
                KillTimer(window_, kPickerPollTimer);
                ShowDefaultPointer();
                pickerCursor_ = UniqueIcon();
            }
            return std::nullopt;
        default: return std::nullopt;
    }
}

void PictPanel::PressPicker(HWND button) {
    const auto picker = PickerOf(button);
    if (!picker) return;
    // The focus comes first, as with any button; whoever hears of the change may close
    // the panel.
    if (GetFocus() != button) {
        SetFocus(button);
        if (!window_ || !IsWindow(button)) return;
    }
    pressedPicker_ = picker;
    pickerCursor_ = MakePickerCursor(*picker);
    SendMessageW(button, BM_SETSTATE, TRUE, 0);
    SetCapture(button);
    GetAsyncKeyState(VK_ESCAPE);  // forgets an Esc struck before the press (see PollPicker)
    SetTimer(window_, kPickerPollTimer, kPickerPollInterval, nullptr);
    if (pickerCursor_) SetCursor(pickerCursor_.Get());
    // The host may move the window away now: nothing of it is touched after this.
    events_.PictPickerPressed(*picker);
}

Picker PictPanel::EndPress(HWND button) {
    const Picker picker = *pressedPicker_;
    pressedPicker_.reset();  // the capture change below is no loss
    KillTimer(window_, kPickerPollTimer);
    ShowDefaultPointer();
    pickerCursor_ = UniqueIcon();
    SendMessageW(button, BM_SETSTATE, FALSE, 0);
    if (GetCapture() == button) ReleaseCapture();
    return picker;
}

void PictPanel::ReleasePicker(HWND button, POINT screen) {
    events_.PictPickerReleased(EndPress(button), screen);
}

void PictPanel::CancelPicker(HWND button) { events_.PictPickerCancelled(EndPress(button)); }

// Wine unmaps a window moved off the screen, and the release of the mouse it held goes to
// whatever window lies under the pointer, if any: the button's own state tells that the
// picker was let go.
void PictPanel::PollPicker() {
    if (!pressedPicker_) {
        KillTimer(window_, kPickerPollTimer);
        return;
    }
    const HWND picker = PickerButton(*pressedPicker_);
    // The window above the screen may have lost the keyboard (Wine unmaps it): Esc is
    // read from the keyboard itself, wherever it went, down now or struck since the last
    // poll.
    if (GetAsyncKeyState(VK_ESCAPE) & 0x8001) {
        CancelPicker(picker);
        return;
    }
    const int button = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    if (GetAsyncKeyState(button) < 0) {
        POINT pointer{};
        GetCursorPos(&pointer);
        events_.PictPickerHeld(*pressedPicker_, pointer);
        return;
    }
    MSG release{};
    if (PeekMessageW(&release, picker, WM_LBUTTONUP, WM_LBUTTONUP, PM_NOREMOVE)) return;
    POINT screen{};
    GetCursorPos(&screen);
    ReleasePicker(picker, screen);
}

HWND PictPanel::PickerButton(Picker picker) const {
    switch (picker) {
        case Picker::Comm2: return c_.comm2;
        case Picker::Comm4: return c_.comm4;
        case Picker::CommT1: return c_.commT1;
        case Picker::CommT2: return c_.commT2;
    }
    return nullptr;
}

}  // namespace tavo
