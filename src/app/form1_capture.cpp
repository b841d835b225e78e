// Form1's side of picking: the pickers and pads of the editor panel, forwarded to the
// core's picking rules; the main window moved out of the way and back.
#include "app/form1.h"

namespace tavo {
namespace {

PickerKind KindOf(Picker picker) {
    switch (picker) {
        case Picker::Comm2: return PickerKind::Recognition;
        case Picker::Comm4: return PickerKind::Click;
        case Picker::CommT1: return PickerKind::SuccessJump;
        case Picker::CommT2: return PickerKind::FailureJump;
    }
    return PickerKind::Click;
}

bool IsPointPicker(Picker picker) { return picker == Picker::Comm2 || picker == Picker::Comm4; }

// Moves the main window to another top (screen pixels), keeping its left and size.
void MoveTop(HWND window, int top) {
    RECT r{};
    GetWindowRect(window, &r);
    SetWindowPos(window, nullptr, r.left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void Form1::PictPickerPressed(Picker picker) {
    if (IsPointPicker(picker)) {
        RECT r{};
        GetWindowRect(window_, &r);
        MoveTop(window_, controller_.Picks().BeginPointPick(KindOf(picker), r.top, r.bottom - r.top));
    } else {
        controller_.Picks().BeginJumpPick();
    }
    Render();
}

void Form1::PictPickerReleased(Picker picker, POINT screen) {
    if (IsPointPicker(picker)) {
        const int top = controller_.FinishPointPick(KindOf(picker), {screen.x, screen.y});
        MoveTop(window_, top);
    } else {
        POINT client = screen;
        ScreenToClient(controls_.infoTree, &client);
        controller_.Picks().FinishJumpPick(KindOf(picker), view_.Tree().HitTest(client));
    }
    Render();
}

void Form1::PictPickerCancelled(Picker picker) {
    if (IsPointPicker(picker))
        MoveTop(window_, controller_.Picks().CancelPointPick(KindOf(picker)));
    else
        controller_.Picks().CancelJumpPick();
    Render();
}

void Form1::PictPadClicked(Pad pad, int square) {
    controller_.Picks().SelectOrientation(pad == Pad::Wei ? PadKind::Click : PadKind::Recognition, square);
    Render();
}

}  // namespace tavo
