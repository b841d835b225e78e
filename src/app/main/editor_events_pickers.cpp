// The pickers and pads of the editor panel, handed to the core's picking rules; the main
// window moved out of the way and back.
#include "app/main/editor_events.h"

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

void EditorEvents::PictPickerPressed(Picker picker) {
    if (IsPointPicker(picker)) {
        RECT r{};
        GetWindowRect(window_.Window(), &r);
        MoveTop(window_.Window(), core_.Handle(PointPickBegun{KindOf(picker), r.top, r.bottom - r.top}));
    } else {
        core_.Handle(JumpPickBegun{});
    }
    window_.Render();
}

bool EditorEvents::CreateMagnifier(HINSTANCE instance, HFONT font) {
    magnifier_.SetFont(font);
    return magnifier_.Create(window_.Window(), instance);
}

// Moves come faster than the window can be printed: the magnifier follows each one, but
// what it shows is taken again at most every kPreviewInterval.
void EditorEvents::PictPickerHeld(Picker picker, POINT screen) {
    if (!IsPointPicker(picker)) return;
    const ULONGLONG now = GetTickCount64();
    if (now - previewAt_ >= kPreviewInterval) {
        preview_ = core_.PreviewPointPick(KindOf(picker), {screen.x, screen.y});
        previewAt_ = now;
    }
    magnifier_.Show(screen, preview_);
}

// The magnifier goes first: the pick must not find it under the pointer or in the block.
void EditorEvents::PictPickerReleased(Picker picker, POINT screen) {
    magnifier_.Hide();
    previewAt_ = 0;
    if (IsPointPicker(picker)) {
        const int top = core_.Handle(PointPickFinished{KindOf(picker), {screen.x, screen.y}});
        MoveTop(window_.Window(), top);
    } else {
        POINT client = screen;
        ScreenToClient(controls_.infoTree, &client);
        core_.Handle(JumpPickFinished{KindOf(picker), view_.Tree().HitTest(client)});
    }
    window_.Render();
}

void EditorEvents::PictPickerCancelled(Picker picker) {
    magnifier_.Hide();
    previewAt_ = 0;
    if (IsPointPicker(picker))
        MoveTop(window_.Window(), core_.Handle(PointPickCancelled{KindOf(picker)}));
    else
        core_.Handle(JumpPickCancelled{});
    window_.Render();
}

void EditorEvents::PictPadClicked(Pad pad, int square) {
    core_.Handle(OrientationChosen{pad == Pad::Wei ? PadKind::Click : PadKind::Recognition, square});
    window_.Render();
}

}  // namespace tavo
