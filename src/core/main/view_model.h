#pragma once
// What the main window shows, decided by the controller; the window only renders it.
#include <array>
#include <cstdint>
#include <string>

#include "core/controls/splitter.h"
#include "core/editor/editor_host.h"
#include "core/editor/editor_panel_view.h"

namespace tavo {

enum ToolbarButton : int {
    kButtonOpen = 1,
    kButtonNewInstruction = 3,
    kButtonSave = 5,
    kButtonRun = 7,
    kButtonStop = 9,
};
inline constexpr int kToolbarButtonCount = 9;

inline constexpr const char* kWindowCountCaption = "识别窗口数: ";

// The settings panel's boxes as the change rules leave them.
struct SettingsPanelView {
    std::string Name_txt;
    std::string Width_txt = "400";
    std::string Height_txt = "300";
    std::string Text1 = "1";
    int VScroll1 = -1;  // -10..-1: minus the number of windows to control
    bool Option1Enabled = false;  // "Flash窗体": disabled while Flash windows are selected
    bool Option2Enabled = true;   // "其它窗体"

    bool operator==(const SettingsPanelView&) const = default;
};

inline constexpr const char* kFramCaption = "  参数设置     ";
inline constexpr const char* kLabel5Caption = "提示:  Ctrl + F2 隐藏/显示窗口";

struct MainViewModel {
    // Index 1..9 as the toolbar numbers its buttons; the even ones are separators.
    std::array<bool, kToolbarButtonCount + 1> toolbarEnabled{};
    bool menuFile = true;
    bool menuEdit = false;
    bool menuCtrl = false;
    bool menuSetup = true;
    bool pictEnabled = false;
    bool journalEnabled = false;
    bool clearEnabled = false;
    bool delOrderEnabled = false;
    bool framShown = false;
    // Where the border between the tree and the log lies.
    SplitLayout split;
    // The Instruction editor panel and the on-screen keyboard.
    EditorPanelView pict;
    KeyBoardView keyBoard;
    // Drag and drop of nodes and in-place caption editing; off during a run.
    bool treeEditable = true;
    std::string label1 = std::string(kWindowCountCaption) + "0";
    SettingsPanelView settings;
    // The label after "父指令:" that names where the next new Instruction goes.
    std::string LabKey = "Root";
    // The node drawn as a drop target while a node is dragged; empty for none.
    std::string dropHighlightKey;
    // The control that gets the focus; the serial changes with every request, so the
    // same control can be asked for again.
    FocusTarget focusTarget = FocusTarget::None;
    std::uint64_t focusSerial = 0;
    std::string journal;
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
