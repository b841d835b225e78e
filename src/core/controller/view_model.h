#pragma once
// What the main window shows, decided by the controller; the window only renders it.
#include <array>
#include <cstdint>
#include <string>

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
    bool pictShown = false;
    // Drag and drop of nodes and in-place caption editing; off during a run.
    bool treeEditable = true;
    std::string label1 = std::string(kWindowCountCaption) + "0";
    std::string journal;
    // Key of the selected node (empty: none); the serial changes on every selection so
    // the view scrolls the node into view even when it was selected before.
    std::string selectedKey;
    std::uint64_t selectionSerial = 0;
    std::uint64_t treeRevision = 0;

    bool operator==(const MainViewModel&) const = default;
};

}  // namespace tavo
