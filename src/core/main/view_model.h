#pragma once
// What the main window shows, computed from the rooms' state by MainCore::View; the
// window only renders it.
#include <cstdint>
#include <string>

#include "core/controls/splitter.h"
#include "core/editor/editor_panel_view.h"
#include "core/editor/focus_request.h"
#include "core/model/command_state.h"
#include "core/model/script_tree.h"
#include "core/model/settings_panel.h"

namespace tavo {

inline constexpr const char* kFramCaption = "  参数设置     ";
inline constexpr const char* kLabel5Caption = "提示:  Ctrl + F2 隐藏/显示窗口";

// The commands, buttons and panels as the rooms' rules leave them, and what they show.
struct MainViewModel : CommandState {
    bool saveEnabled = false;  // the Script has unsaved changes
    // 编辑 → 撤销 and 重做: a change to undo or redo, and no run.
    bool undoEnabled = false;
    bool redoEnabled = false;
    // 控制 → 录制 is checked, and the title carries the note, while recording.
    bool recording = false;
    std::string titleNote;
    // Where the border between the tree and the log lies.
    SplitLayout split;
    // The Instruction editor panel and the on-screen keyboard.
    EditorPanelView pict;
    KeyBoardView keyBoard;
    std::string label1;
    SettingsPanelView settings;
    // The label after "父指令:" that names where the next new Instruction goes.
    std::string LabKey;
    // The node drawn as a drop target while a node is dragged; empty for none.
    std::string dropHighlightKey;
    // The control that gets the focus; the serial changes with every request, so the
    // same control can be asked for again.
    FocusTarget focusTarget = FocusTarget::None;
    std::uint64_t focusSerial = 0;
    std::string journal;
    // The Script's tree, to be shown as it is; rebuilt in the window only when
    // treeRevision changes.
    const ScriptTree* tree = nullptr;
    // Key of the selected node (empty: none); the serial changes on every selection so
    // the view scrolls the node into view even when it was selected before.
    std::string selectedKey;
    std::uint64_t selectionSerial = 0;
    std::uint64_t treeRevision = 0;
    // Bumped when a load has added nodes: the view expands the whole tree.
    std::uint64_t expandAllSerial = 0;

    bool operator==(const MainViewModel&) const = default;
};

}  // namespace tavo
