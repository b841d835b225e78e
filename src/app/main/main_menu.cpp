#include "app/main/main_menu.h"

#include "app/shared/control_ids.h"

namespace tavo {
namespace {

struct MenuItem {
    int id;
    const wchar_t* caption;
    Command command;
};

constexpr MenuItem kFileItems[] = {
    {IDM_MENU_NEW, L"新建脚本(&N)", Command::MenuNew},
    {IDM_MENU_OPEN, L"打开脚本(&O)", Command::MenuOpen},
    {IDM_MENU_SAVE, L"保存脚本(&S)", Command::MenuSave},
    {IDM_MENU_SAVEAS, L"脚本另存为(&A)", Command::MenuSaveAs},
    {IDM_MENU_CLEAR, L"清除脚本数据(&C)", Command::MenuClear},
    {IDM_MENU_DEL, L"删除脚本(&D)", Command::MenuDel},
};
constexpr MenuItem kEditItems[] = {
    {IDM_EDIT_NEW, L"新增指令(&N)", Command::EditNew},
    {IDM_EDIT_DEL, L"删除指令(&D)", Command::EditDel},
    {IDM_EDIT_CLEAR, L"初始化指令(&I)", Command::EditClear},
    {IDM_EDIT_UNDO, L"撤销(&U)", Command::EditUndo},
    {IDM_EDIT_REDO, L"重做(&R)", Command::EditRedo},
};
constexpr MenuItem kCtrlItems[] = {
    {IDM_CTRL_RUN, L"运行脚本(&R)", Command::CtrlRun},
    {IDM_CTRL_STOP, L"停止运行(&T)", Command::CtrlStop},
    {IDM_CTRL_RECORD, L"录制(&M)", Command::CtrlRecord},
};
constexpr MenuItem kSetupItem = {IDM_SETUP, L"设置(&P)", Command::Setup};

// Top-level positions, as EnableMenuItem(MF_BYPOSITION) addresses them.
enum TopLevel : UINT { kFile = 0, kEdit = 1, kCtrl = 2, kSetup = 3 };

template <std::size_t N>
void AppendPopup(HMENU bar, const wchar_t* caption, const MenuItem (&items)[N]) {
    HMENU popup = CreatePopupMenu();
    for (const MenuItem& item : items)
        AppendMenuW(popup, MF_STRING, static_cast<UINT_PTR>(item.id), item.caption);
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), caption);
}

template <std::size_t N>
std::optional<Command> Lookup(int id, const MenuItem (&items)[N]) {
    for (const MenuItem& item : items)
        if (item.id == id) return item.command;
    return std::nullopt;
}

void EnableTop(HMENU bar, UINT position, bool enabled) {
    EnableMenuItem(bar, position, MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
}

void EnableItem(HMENU bar, int id, bool enabled) {
    EnableMenuItem(bar, static_cast<UINT>(id), MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

}  // namespace

HMENU CreateMainMenu() {
    HMENU bar = CreateMenu();
    AppendPopup(bar, L"文件(&F)", kFileItems);
    AppendPopup(bar, L"编辑(&E)", kEditItems);
    AppendPopup(bar, L"控制(&C)", kCtrlItems);
    AppendMenuW(bar, MF_STRING, static_cast<UINT_PTR>(kSetupItem.id), kSetupItem.caption);
    return bar;
}

std::optional<Command> MenuCommand(int id) {
    if (auto command = Lookup(id, kFileItems)) return command;
    if (auto command = Lookup(id, kEditItems)) return command;
    if (auto command = Lookup(id, kCtrlItems)) return command;
    if (id == kSetupItem.id) return kSetupItem.command;
    return std::nullopt;
}

void ApplyMenuEnabled(HWND window, const MainViewModel& view) {
    HMENU bar = GetMenu(window);
    if (!bar) return;
    EnableTop(bar, kFile, view.menuFile);
    EnableTop(bar, kEdit, view.menuEdit);
    EnableTop(bar, kCtrl, view.menuCtrl);
    EnableTop(bar, kSetup, view.menuSetup);
    EnableItem(bar, IDM_EDIT_UNDO, view.undoEnabled);
    EnableItem(bar, IDM_EDIT_REDO, view.redoEnabled);
    // While recording 录制 alone, checked, ends it.
    EnableItem(bar, IDM_CTRL_RUN, !view.recording);
    EnableItem(bar, IDM_CTRL_STOP, !view.recording);
    CheckMenuItem(bar, IDM_CTRL_RECORD,
                  MF_BYCOMMAND | (view.recording ? MF_CHECKED : MF_UNCHECKED));
    DrawMenuBar(window);
}

}  // namespace tavo
