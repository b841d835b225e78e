#include "app/main_view.h"

#include "app/main_menu.h"
#include "app/toolbar1.h"
#include "platform/win32/code_page.h"

namespace tavo {

void MainView::Attach(HWND window, const Form1Controls& controls, FramPanel& fram) {
    window_ = window;
    controls_ = controls;
    fram_ = &fram;
    tree_.Attach(controls.infoTree);
    journal_.Attach(controls.journal);
    last_.reset();
}

void MainView::Render(const MainViewModel& view, const ScriptTree& tree) {
    // Control messages can call back into the window (notifications); one rendering at a time.
    if (!window_ || rendering_) return;
    rendering_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{rendering_};
    using V = MainViewModel;
    if (Changed(view, &V::toolbarEnabled))
        ApplyToolbarEnabled(controls_.toolbar1, view.toolbarEnabled);
    if (Changed(view, &V::menuFile) || Changed(view, &V::menuEdit) ||
        Changed(view, &V::menuCtrl) || Changed(view, &V::menuSetup))
        ApplyMenuEnabled(window_, view);
    if (Changed(view, &V::label1))
        SetWindowTextW(controls_.label1, Utf8ToWide(view.label1).c_str());
    if (Changed(view, &V::journalEnabled)) EnableWindow(journal_.Handle(), view.journalEnabled);
    if (Changed(view, &V::journal)) journal_.Show(view.journal);
    RenderTree(view, tree);
    if (Changed(view, &V::framShown)) fram_->Show(view.framShown);
    fram_->Render(view.settings);
    // The editor panel (pictShown and its buttons) is not part of this window yet.
    last_ = view;
}

void MainView::RenderTree(const MainViewModel& view, const ScriptTree& tree) {
    using V = MainViewModel;
    if (Changed(view, &V::treeEditable)) tree_.SetEditable(view.treeEditable);
    const bool rebuilt = Changed(view, &V::treeRevision);
    if (rebuilt) tree_.Rebuild(tree);
    if (Changed(view, &V::expandAllSerial)) tree_.ExpandAll();
    if (rebuilt || Changed(view, &V::selectionSerial) || Changed(view, &V::selectedKey))
        tree_.Select(view.selectedKey);
}

}  // namespace tavo
