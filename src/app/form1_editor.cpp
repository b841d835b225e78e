// Form1's side of the editor: the tree's mouse and notifications, the editor panel, the
// on-screen keyboard and the insertion parent's label and button, each forwarded to the
// core's editor and followed by a rendering.
#include "app/control_ids.h"
#include "app/form1.h"
#include "platform/win32/code_page.h"

namespace tavo {
namespace {

constexpr int kTwipsPerInch = 1440;

bool IsIn(HWND window, HWND control) { return window && (window == control || IsChild(control, window)); }

}  // namespace

bool Form1::CreateEditorControls() {
    if (!treeInput_.Attach(controls_.infoTree) || !splitBar_.Attach(controls_.pict2) ||
        !tooltips_.Create(window_, instance_))
        return false;
    tooltips_.SetFont(resources_.Font());
    tooltips_.Add(controls_.labKey, "显示下一个新增指令的父指令");
    tooltips_.Add(controls_.root, "设置父指令为\"Root\"");
    return true;
}

TwipsPoint Form1::ToTwips(POINT pixels) const {
    const int dpi = static_cast<int>(GetDpiForWindow(window_));
    return {MulDiv(pixels.x, kTwipsPerInch, dpi), MulDiv(pixels.y, kTwipsPerInch, dpi)};
}

PanelRoom Form1::PanelRoomTwips() const {
    RECT r{};
    GetWindowRect(controls_.infoTree, &r);
    MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&r), 2);
    RECT client{};
    GetClientRect(window_, &client);
    const TwipsPoint topLeft = ToTwips({r.left, r.top});
    const TwipsPoint size = ToTwips({r.right - r.left, r.bottom - r.top});
    const TwipsPoint clientSize = ToTwips({client.right, client.bottom});
    return {topLeft.y, size.x, size.y, clientSize.x, clientSize.y};
}

// The tree's caption edit box is the tree; a window of another program, or none (Tavo
// hidden or in the background), is outside.
FocusDestination Form1::FocusDestinationNow() const {
    const HWND focus = GetFocus();
    if (IsIn(focus, controls_.infoTree)) return FocusDestination::Tree;
    if (focus && (focus == window_ || IsChild(window_, focus))) return FocusDestination::OtherControl;
    return FocusDestination::Outside;
}

std::optional<LRESULT> Form1::OnTreeNotify(NMHDR& header) {
    switch (header.code) {
        case TVN_SELCHANGINGW: {
            if (view_.Tree().Updating()) return std::nullopt;
            // A collapse moves the control's selection off the node it hides; the current
            // Instruction stays what it is.
            if (treeInput_.Toggling()) return TRUE;
            // Only the core selects: a move by the keyboard (or by another program) is
            // put to the core's rules and shown once they have answered.
            const auto& change = reinterpret_cast<NMTREEVIEWW&>(header);
            if (const auto key = view_.Tree().KeyOf(change.itemNew.hItem))
                Defer([this, node = *key] { controller_.Pointer().SelectionMoved(node); });
            return TRUE;
        }
        case TVN_BEGINLABELEDITW: {
            const auto& edit = reinterpret_cast<NMTVDISPINFOW&>(header);
            const auto key = view_.Tree().KeyOf(edit.item.hItem);
            const bool allowed = view_.Tree().Editable() && key && controller_.Pointer().MayEditCaption(*key);
            return allowed ? FALSE : TRUE;
        }
        case TVN_ENDLABELEDITW: {
            const auto& edit = reinterpret_cast<NMTVDISPINFOW&>(header);
            // The edit box had the focus, not the tree: where the focus went when the edit
            // ended is the tree's focus loss. The tree is rebuilt from the core afterwards,
            // not under the control's feet.
            if (edit.item.pszText)
                Defer([this, text = WideToUtf8(edit.item.pszText)] { controller_.Pointer().CaptionEdited(text); });
            Defer([this] { controller_.Pointer().FocusLost(FocusDestinationNow()); });
            return FALSE;  // a cancelled edit changes nothing
        }
        case NM_KILLFOCUS:
            // By the time it runs the tree may have the focus back (the guard's No gives it).
            Defer([this] { controller_.Pointer().FocusLost(FocusDestinationNow()); });
            return 0;
        default: return std::nullopt;
    }
}

void Form1::OnEditorCommand(int id, int code) {
    if (id == IDC_ROOT && code == BN_CLICKED) {
        controller_.Editor().SetInsertParent(kRootKey);
        Render();
    }
}

void Form1::TreePressed(const std::optional<std::string>& node) {
    controller_.Pointer().Pressed(node);
}

void Form1::TreeReleased(MouseButton button, const std::optional<std::string>& node, POINT at) {
    controller_.Pointer().Released(button, node, ToTwips(at), PanelRoomTwips());
    Render();
}

void Form1::TreeToggled() {
    if (!view_.Tree().Updating()) view_.ShowTreeSelection();  // a rebuild selects afterwards
}

void Form1::TreeDragOver(const std::optional<std::string>& node, bool insideTree) {
    controller_.Pointer().DragOver(node, insideTree);
    Render();
}

void Form1::TreeDropped(POINT screen, bool cancelled) {
    TreePointer& pointer = controller_.Pointer();
    const HWND under = cancelled ? nullptr : WindowFromPoint(screen);
    if (IsIn(under, controls_.infoTree)) {
        POINT client = screen;
        ScreenToClient(controls_.infoTree, &client);
        pointer.DropOnTree(view_.Tree().HitTest(client));
    } else if (under && under == pict_.Child(IDC_DELORDER)) {
        pointer.DropOnDelOrder();
    } else if (under && under == pict_.Child(IDC_CLEAR)) {
        pointer.DropOnClear();
    }
    pointer.DragEnded();
    Render();
}

void Form1::PictTextChanged(PictBox box, const std::string& text) {
    FieldEditor& fields = controller_.Fields();
    switch (box) {
        case PictBox::lChar: fields.CharChanged(text); break;
        case PictBox::lPause: fields.PauseChanged(text); break;
        case PictBox::lDelay: fields.DelayChanged(text); break;
    }
    Render();
}

void Form1::PictCharEnter() {
    controller_.Fields().CharEnter();
    Render();
}

void Form1::PictButtonClicked(PictButton button) {
    switch (button) {
        case PictButton::Comm3: {
            RECT client{};
            GetClientRect(window_, &client);
            const TwipsPoint size = ToTwips({client.right, client.bottom});
            controller_.Fields().OpenKeyBoard(size.x, size.y);
            break;
        }
        case PictButton::Comm5: controller_.Fields().CloseEditorPanel(); break;
        case PictButton::Clear: controller_.InitializeInstruction(); break;
        case PictButton::DelOrder: controller_.Editor().DeleteInstruction(); break;
        case PictButton::Command3Up: controller_.Editor().MoveInstruction(MoveDirection::Up); break;
        case PictButton::Command3Down: controller_.Editor().MoveInstruction(MoveDirection::Down); break;
        case PictButton::Command3UpLevel: controller_.Editor().MoveInstruction(MoveDirection::UpLevel); break;
        case PictButton::Command3Child:
            controller_.Editor().MoveInstruction(MoveDirection::ChildOfPrevious);
            break;
    }
    Render();
}

void Form1::PictButtonHeld(bool held) { controller_.Editor().SetButtonHeld(held); }

// The focus goes back to the tree when it leaves the panel from DelOrder or Clear (the
// button was hidden with the panel); Tab between the panel's controls keeps it there.
void Form1::PictButtonLostFocus() {
    Defer([this] {
        if (!IsIn(GetFocus(), controls_.pict)) SetFocus(controls_.infoTree);
    });
}

void Form1::KeyEvent(const std::string& text) {
    controller_.Fields().KeyEvent(text);
    Render();
}

void Form1::KeyBoardLostFocus() {
    controller_.Fields().KeyBoardFocusLost();
    Render();
}

void Form1::SplitPressed(int x) { controller_.Split().Press(x); }

void Form1::SplitMoved(int x) {
    if (controller_.Split().Move(x)) Render();
}

void Form1::SplitReleased() { controller_.Split().Release(); }

}  // namespace tavo
