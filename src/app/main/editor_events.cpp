#include "app/main/editor_events.h"

#include "app/shared/child_controls.h"
#include "app/shared/control_ids.h"
#include "platform/win32/code_page.h"

namespace tavo {
namespace {

constexpr int kTwipsPerInch = 1440;

}  // namespace

TwipsPoint EditorEvents::ToTwips(POINT pixels) const {
    const int dpi = static_cast<int>(GetDpiForWindow(window_.Window()));
    return {MulDiv(pixels.x, kTwipsPerInch, dpi), MulDiv(pixels.y, kTwipsPerInch, dpi)};
}

PanelRoom EditorEvents::PanelRoomTwips() const {
    RECT r{};
    GetWindowRect(controls_.infoTree, &r);
    MapWindowPoints(nullptr, window_.Window(), reinterpret_cast<POINT*>(&r), 2);
    RECT client{};
    GetClientRect(window_.Window(), &client);
    const TwipsPoint topLeft = ToTwips({r.left, r.top});
    const TwipsPoint size = ToTwips({r.right - r.left, r.bottom - r.top});
    const TwipsPoint clientSize = ToTwips({client.right, client.bottom});
    return {topLeft.y, size.x, size.y, clientSize.x, clientSize.y};
}

// The tree's caption edit box is the tree; a window of another program, or none (Tavo
// hidden or in the background), is outside.
FocusDestination EditorEvents::FocusDestinationNow() const {
    const HWND focus = GetFocus();
    if (IsWithin(focus, controls_.infoTree)) return FocusDestination::Tree;
    if (focus && (focus == window_.Window() || IsChild(window_.Window(), focus))) return FocusDestination::OtherControl;
    return FocusDestination::Outside;
}

std::optional<LRESULT> EditorEvents::OnTreeNotify(NMHDR& header) {
    switch (header.code) {
        case TVN_SELCHANGINGW: {
            if (view_.Tree().Updating()) return std::nullopt;
            // A collapse moves the control's selection off the node it hides; the current
            // Instruction stays what it is.
            if (treeInput_.Toggling()) return TRUE;
            // Only the core selects: a move by the keyboard (or by another program) is
            // put to the core's rules and shown once they have answered.
            const auto& change = reinterpret_cast<NMTREEVIEWW&>(header);
            const bool byKeyboard = change.action == TVC_BYKEYBOARD;
            if (const auto key = view_.Tree().KeyOf(change.itemNew.hItem))
                window_.Defer([this, node = *key, byKeyboard] {
                    core_.Handle(TreeSelectionMoved{node, byKeyboard});
                });
            return TRUE;
        }
        case TVN_BEGINLABELEDITW: {
            const auto& edit = reinterpret_cast<NMTVDISPINFOW&>(header);
            const auto key = view_.Tree().KeyOf(edit.item.hItem);
            const bool allowed = view_.Tree().Editable() && key && core_.MayEditCaption(*key);
            return allowed ? FALSE : TRUE;
        }
        case TVN_ENDLABELEDITW: {
            const auto& edit = reinterpret_cast<NMTVDISPINFOW&>(header);
            // The edit box had the focus, not the tree: where the focus went when the edit
            // ended is the tree's focus loss. The tree is rebuilt from the core afterwards,
            // not under the control's feet.
            if (edit.item.pszText)
                window_.Defer([this, text = WideToUtf8(edit.item.pszText)] { core_.Handle(CaptionEdited{text}); });
            window_.Defer([this] { core_.Handle(TreeFocusLost{FocusDestinationNow()}); });
            return FALSE;  // a cancelled edit changes nothing
        }
        case NM_KILLFOCUS:
            // By the time it runs the tree may have the focus back (the guard's No gives it).
            window_.Defer([this] { core_.Handle(TreeFocusLost{FocusDestinationNow()}); });
            return 0;
        default: return std::nullopt;
    }
}

void EditorEvents::InsertAtTopLevelClicked() {
    core_.Handle(InsertAtTopLevel{});
    window_.Render();
}

void EditorEvents::OpenEditorPanelByKey() {
    const HTREEITEM selected = TreeView_GetSelection(controls_.infoTree);
    RECT item{};
    if (!selected || !TreeView_GetItemRect(controls_.infoTree, selected, &item, TRUE)) return;
    // Where a right click on the node's caption would be.
    const POINT at{item.left, (item.top + item.bottom) / 2};
    core_.Handle(EditorPanelKeyed{ToTwips(at), PanelRoomTwips()});
    window_.Render();
}

void EditorEvents::TreePressed(const std::optional<std::string>& node) {
    core_.Handle(tavo::TreePressed{node});
}

void EditorEvents::TreeReleased(MouseButton button, const std::optional<std::string>& node, POINT at) {
    core_.Handle(tavo::TreeReleased{button, node, ToTwips(at), PanelRoomTwips()});
    window_.Render();
}

void EditorEvents::TreeToggled() {
    if (!view_.Tree().Updating()) view_.ShowTreeSelection();  // a rebuild selects afterwards
}

void EditorEvents::TreeDragOver(const std::optional<std::string>& node, bool insideTree) {
    core_.Handle(TreeDraggedOver{node, insideTree});
    window_.Render();
}

void EditorEvents::TreeDropped(POINT screen, bool cancelled) {
    const HWND under = cancelled ? nullptr : WindowFromPoint(screen);
    if (IsWithin(under, controls_.infoTree)) {
        POINT client = screen;
        ScreenToClient(controls_.infoTree, &client);
        core_.Handle(DroppedOnTree{view_.Tree().HitTest(client)});
    } else if (under && under == pict_.Child(IDC_DELORDER)) {
        core_.Handle(DroppedOnDelOrder{});
    } else if (under && under == pict_.Child(IDC_CLEAR)) {
        core_.Handle(DroppedOnClear{});
    }
    core_.Handle(DragEnded{});
    window_.Render();
}

void EditorEvents::PictTextChanged(PictBox box, const std::string& text) {
    const EditorBox edited = box == PictBox::lChar    ? EditorBox::lChar
                             : box == PictBox::lPause ? EditorBox::lPause
                                                      : EditorBox::lDelay;
    core_.Handle(EditorBoxEdited{edited, text});
    window_.Render();
}

void EditorEvents::PictCharEnter() {
    core_.Handle(CharEntered{});
    window_.Render();
}

void EditorEvents::PictButtonClicked(PictButton button) {
    switch (button) {
        case PictButton::Comm3: {
            RECT client{};
            GetClientRect(window_.Window(), &client);
            const TwipsPoint size = ToTwips({client.right, client.bottom});
            core_.Handle(KeyBoardOpened{size.x, size.y});
            break;
        }
        case PictButton::Comm5: core_.Handle(EditorPanelConfirmed{}); break;
        case PictButton::Clear: core_.Choose(Command::EditClear); break;
        case PictButton::DelOrder: core_.Choose(Command::EditDel); break;
        case PictButton::Command3Up: core_.Handle(InstructionMoved{MoveDirection::Up}); break;
        case PictButton::Command3Down: core_.Handle(InstructionMoved{MoveDirection::Down}); break;
        case PictButton::Command3UpLevel: core_.Handle(InstructionMoved{MoveDirection::UpLevel}); break;
        case PictButton::Command3Child:
            core_.Handle(InstructionMoved{MoveDirection::ChildOfPrevious});
            break;
    }
    window_.Render();
}

void EditorEvents::PictButtonHeld(bool held) { core_.Handle(InstructionButtonHeld{held}); }

// The focus goes back to the tree when it leaves the panel from DelOrder or Clear (the
// button was hidden with the panel); Tab between the panel's controls keeps it there.
void EditorEvents::PictButtonLostFocus() {
    window_.Defer([this] {
        if (!IsWithin(GetFocus(), controls_.pict)) SetFocus(controls_.infoTree);
    });
}

void EditorEvents::KeyEvent(const std::string& text) {
    core_.Handle(KeyBoardKeyComposed{text});
    window_.Render();
}

void EditorEvents::KeyBoardLostFocus() {
    core_.Handle(tavo::KeyBoardFocusLost{});
    window_.Render();
}

void EditorEvents::SplitPressed(int x) { core_.Handle(tavo::SplitPressed{x}); }

void EditorEvents::SplitMoved(int x) {
    if (core_.Handle(tavo::SplitMoved{x})) window_.Render();
}

void EditorEvents::SplitReleased() { core_.Handle(tavo::SplitReleased{}); }

}  // namespace tavo
