#include "app/main/main_view.h"

#include "app/main/main_menu.h"
#include "app/shared/control_ids.h"
#include "app/main/form1_layout.h"
#include "app/main/toolbar1.h"
#include "app/shared/twips.h"
#include "platform/win32/code_page.h"

namespace tavo {

void MainView::Attach(HWND window, const Form1Controls& controls, FramPanel& fram, PictPanel& pict) {
    window_ = window;
    controls_ = controls;
    fram_ = &fram;
    pict_ = &pict;
    tree_.Attach(controls.infoTree);
    journal_.Attach(controls.journal);
    last_.reset();
}

void MainView::Render(const MainViewModel& view) {
    // Control messages can call back into the window (notifications); one rendering at a time.
    if (!window_) return;
    if (rendering_) {
        refused_ = true;
        return;
    }
    rendering_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{rendering_};
    using V = MainViewModel;
    if (Changed(view, &V::toolbar) || Changed(view, &V::saveEnabled))
        ApplyToolbarEnabled(controls_.toolbar1, view.toolbar, view.saveEnabled);
    if (Changed(view, &V::menuFile) || Changed(view, &V::menuEdit) ||
        Changed(view, &V::menuCtrl) || Changed(view, &V::menuSetup) ||
        Changed(view, &V::undoEnabled) || Changed(view, &V::redoEnabled) ||
        Changed(view, &V::recording))
        ApplyMenuEnabled(window_, view);
    if (Changed(view, &V::titleNote)) {
        const std::wstring title = TAVO_MAIN_WINDOW_TITLE + Utf8ToWide(view.titleNote);
        SetWindowTextW(window_, title.c_str());
    }
    if (Changed(view, &V::label1))
        SetWindowTextW(controls_.label1, Utf8ToWide(view.label1).c_str());
    if (Changed(view, &V::journalEnabled)) EnableWindow(journal_.Handle(), view.journalEnabled);
    if (Changed(view, &V::split)) PlaceSplit(controls_, view.split, GetDpiForWindow(window_));
    if (Changed(view, &V::journal)) journal_.Show(view.journal);
    RenderTree(view);
    if (Changed(view, &V::framShown)) fram_->Show(view.framShown);
    fram_->Render(view.settings);
    RenderEditor(view);
    RenderFocus(view);
    last_ = view;
}

void MainView::RenderEditor(const MainViewModel& view) {
    using V = MainViewModel;
    if (Changed(view, &V::pictEnabled)) EnableWindow(controls_.pict, view.pictEnabled);
    if (Changed(view, &V::delOrderEnabled))
        EnableWindow(pict_->Child(IDC_DELORDER), view.delOrderEnabled);
    if (Changed(view, &V::clearEnabled)) EnableWindow(pict_->Child(IDC_CLEAR), view.clearEnabled);
    pict_->Render(view.pict);
    if (Changed(view, &V::keyBoard)) RenderKeyBoard(view.keyBoard);
    if (Changed(view, &V::LabKey)) SetWindowTextW(controls_.labKey, Utf8ToWide(view.LabKey).c_str());
    if (Changed(view, &V::dropHighlightKey)) tree_.SetDropHighlight(view.dropHighlightKey);
}

void MainView::RenderKeyBoard(const KeyBoardView& keyBoard) {
    const HWND control = controls_.keyBoard;
    if (!keyBoard.shown) {
        ShowWindow(control, SW_HIDE);
        return;
    }
    const UINT dpi = GetDpiForWindow(window_);
    SetWindowPos(control, HWND_TOP, Px(keyBoard.left, dpi), Px(keyBoard.top, dpi), 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void MainView::RenderFocus(const MainViewModel& view) {
    if (!Changed(view, &MainViewModel::focusSerial) || view.focusTarget == FocusTarget::None) return;
    switch (view.focusTarget) {
        case FocusTarget::InfoTree: SetFocus(controls_.infoTree); break;
        case FocusTarget::lChar: SetFocus(pict_->Child(IDC_LCHAR)); break;
        case FocusTarget::lDelay: SetFocus(pict_->Child(IDC_LDELAY)); break;
        case FocusTarget::KeyBoard: SetFocus(controls_.keyBoard); break;
        case FocusTarget::None: break;
    }
}

void MainView::RenderTree(const MainViewModel& view) {
    using V = MainViewModel;
    if (Changed(view, &V::treeEditable)) tree_.SetEditable(view.treeEditable);
    const bool rebuilt = Changed(view, &V::treeRevision);
    if (rebuilt && view.tree) tree_.Rebuild(*view.tree);
    if (Changed(view, &V::expandAllSerial)) tree_.ExpandAll();
    if (rebuilt || Changed(view, &V::selectionSerial) || Changed(view, &V::selectedKey))
        tree_.Select(view.selectedKey);
}

}  // namespace tavo
