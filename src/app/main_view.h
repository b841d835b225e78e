#pragma once
// Renders the controller's view-model onto the main window, touching only what changed
// since the last rendering.
#include <windows.h>

#include <optional>

#include "app/form1_controls.h"
#include "app/fram_panel.h"
#include "app/info_tree_view.h"
#include "app/journal_view.h"
#include "core/controller/view_model.h"
#include "core/model/script_tree.h"

namespace tavo {

class MainView {
public:
    void Attach(HWND window, const Form1Controls& controls, FramPanel& fram);
    // The window is gone; later renderings do nothing.
    void Detach() { window_ = nullptr; }

    void Render(const MainViewModel& view, const ScriptTree& tree);
    const InfoTreeView& Tree() const { return tree_; }

private:
    bool Changed(const MainViewModel& view, auto member) const {
        return !last_ || view.*member != (*last_).*member;
    }
    void RenderTree(const MainViewModel& view, const ScriptTree& tree);

    HWND window_ = nullptr;
    Form1Controls controls_;
    FramPanel* fram_ = nullptr;
    InfoTreeView tree_;
    JournalView journal_;
    std::optional<MainViewModel> last_;
    bool rendering_ = false;
};

}  // namespace tavo
