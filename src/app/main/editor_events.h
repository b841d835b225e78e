#pragma once
// The editor's events as the main window's controls raise them (the tree's mouse and
// notifications, the editor panel with its pickers, the on-screen keyboard, the split
// bar), turned into the core's events, each followed by a rendering.
#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <optional>
#include <string>

#include "app/controls/info_tree_input.h"
#include "app/controls/split_bar.h"
#include "app/main/form1_controls.h"
#include "app/main/main_view.h"
#include "app/panels/key_board_control.h"
#include "app/panels/pick_magnifier.h"
#include "app/panels/pict_panel.h"
#include "core/main/main_core.h"

namespace tavo {

// What the events need of the main window.
class MainWindowAccess {
public:
    virtual HWND Window() const = 0;
    virtual void Render() = 0;
    // Runs `action` once the message under way is done, then renders.
    virtual void Defer(std::function<void()> action) = 0;

protected:
    ~MainWindowAccess() = default;
};

class EditorEvents final : public PictEvents,
                           public KeyBoardEvents,
                           public TreeInputEvents,
                           public SplitBarEvents {
public:
    // The references are the main window's and outlive this; `treeInput` is asked only
    // once a notification arrives.
    EditorEvents(MainCore& core, MainWindowAccess& window, MainView& view,
                 const Form1Controls& controls, PictPanel& pict, const InfoTreeInput& treeInput)
        : core_(core), window_(window), view_(view), controls_(controls), pict_(pict),
          treeInput_(treeInput) {}

    // The tree's WM_NOTIFY; none: not answered here.
    std::optional<LRESULT> OnTreeNotify(NMHDR& header);
    // The button "<" beside 父指令.
    void InsertAtTopLevelClicked();
    // The context-menu key or Shift+F10 on the tree: the selected node's editor panel.
    void OpenEditorPanelByKey();
    // The window that follows the pointer while a point picker is held.
    bool CreateMagnifier(HINSTANCE instance, HFONT font);

private:
    TwipsPoint ToTwips(POINT pixels) const;
    PanelRoom PanelRoomTwips() const;
    FocusDestination FocusDestinationNow() const;
    void TreePressed(const std::optional<std::string>& node) override;
    void TreeReleased(MouseButton button, const std::optional<std::string>& node, POINT at) override;
    void TreeToggled() override;
    void TreeDragOver(const std::optional<std::string>& node, bool insideTree) override;
    void TreeDropped(POINT screen, bool cancelled) override;
    void PictTextChanged(PictBox box, const std::string& text) override;
    void PictCharEnter() override;
    void PictButtonClicked(PictButton button) override;
    void PictButtonHeld(bool held) override;
    void PictButtonLostFocus() override;
    // Picking (editor_events_pickers.cpp).
    void PictPickerPressed(Picker picker) override;
    void PictPickerReleased(Picker picker, POINT screen) override;
    void PictPickerCancelled(Picker picker) override;
    void PictPickerHeld(Picker picker, POINT screen) override;
    void PictPadClicked(Pad pad, int square) override;
    void SplitPressed(int x) override;
    void SplitMoved(int x) override;
    void SplitReleased() override;
    void KeyEvent(const std::string& text) override;
    void KeyBoardGotFocus() override {}
    void KeyBoardLostFocus() override;

    MainCore& core_;
    MainWindowAccess& window_;
    MainView& view_;
    const Form1Controls& controls_;
    PictPanel& pict_;
    const InfoTreeInput& treeInput_;
    PickMagnifier magnifier_;
    static constexpr ULONGLONG kPreviewInterval = 40;  // ms
    PickPreview preview_;
    ULONGLONG previewAt_ = 0;  // GetTickCount64 of preview_; 0: none yet in this pick
};

}  // namespace tavo
