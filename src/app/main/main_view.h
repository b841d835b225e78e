#pragma once
// Renders the controller's view-model onto the main window, touching only what changed
// since the last rendering.
#include <windows.h>

#include <optional>
#include <utility>

#include "app/main/form1_controls.h"
#include "app/panels/fram_panel.h"
#include "app/controls/info_tree_view.h"
#include "app/controls/journal_view.h"
#include "app/panels/pict_panel.h"
#include "core/main/view_model.h"

namespace tavo {

class MainView {
public:
    void Attach(HWND window, const Form1Controls& controls, FramPanel& fram, PictPanel& pict);
    // The window is gone; later renderings do nothing.
    void Detach() { window_ = nullptr; }

    void Render(const MainViewModel& view);
    const InfoTreeView& Tree() const { return tree_; }
    // After a click expanded or collapsed a node: InfoTreeView::ShowSelection.
    void ShowTreeSelection() { tree_.ShowSelection(); }
    // Whether a rendering was refused because another was under way (a control called
    // back); the caller renders again once that one is done.
    bool TakeRefused() { return std::exchange(refused_, false); }

private:
    bool Changed(const MainViewModel& view, auto member) const {
        return !last_ || view.*member != (*last_).*member;
    }
    void RenderTree(const MainViewModel& view);
    void RenderEditor(const MainViewModel& view);
    void RenderKeyBoard(const KeyBoardView& keyBoard);
    void RenderFocus(const MainViewModel& view);

    HWND window_ = nullptr;
    Form1Controls controls_;
    FramPanel* fram_ = nullptr;
    PictPanel* pict_ = nullptr;
    InfoTreeView tree_;
    JournalView journal_;
    std::optional<MainViewModel> last_;
    bool rendering_ = false;
    bool refused_ = false;
};

}  // namespace tavo
